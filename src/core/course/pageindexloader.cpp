#include "core/course/pageindexloader.h"

#include "core/course/pagerecord.h"
#include "core/records/recordfile.h"
#include "core/records/statefile.h"
#include "core/text/decimal.h"

namespace vorlane {

bool RepaintPace::due(qint64 nowMs)
{
    if (m_last && nowMs >= *m_last && nowMs - *m_last < kIntervalMs)
        return false;
    m_last = nowMs;
    return true;
}

PageIndexLoader::PageIndexLoader(QString applicationFolder, Files &files, CourseRows &rows,
                                 ProgressStrip *strip, QString stateFolder, StateMemory *stateMemory)
    : m_folder(WithFinalSlash(applicationFolder)),
      m_stateFolder(stateFolder.isEmpty() ? m_folder : WithFinalSlash(stateFolder)), m_files(files),
      m_rows(rows), m_strip(strip), m_stateMemory(stateMemory)
{
}

int PageIndexLoader::prepare(PageIndex &index)
{
    if (m_strip)
        m_strip->centre();
    m_rows.moveLast();
    const int n = m_rows.absolutePosition();
    index.reset(n + 1);
    m_rows.moveFirst();
    return n;
}

void PageIndexLoader::fill(double numerator, double denominator)
{
    // A one-row table divides by zero: the strip is simply not drawn.
    if (m_strip && denominator > 0)
        m_strip->fill(numerator / denominator);
}

PageIndexLoader::Source PageIndexLoader::LoadPageIndex(PageIndex &index)
{
    const StateFile state(m_stateFolder, m_stateMemory);
    const std::optional<QString> cache = m_files.resolve(m_folder + cacheFileName());
    if (state.indexCacheState() == u"VOIR" || !cache) {
        BuildPageIndex(index);
        return Source::Rebuilt;
    }

    const int n = prepare(index);
    // Two records per row, its page number then its order, assigned as they
    // are read.
    const RecordFile file(*cache);
    if (n >= 0)
        file.forEachNumber(1, 2 * (n + 1), [this, &index, n](int record, double value) {
            const int i = (record - 1) / 2;
            if (record % 2 == 1) {
                fill(i, n);
                PageIndex::assign(index.byNumber, i + 1, value);
            } else {
                PageIndex::assign(index.byOrder, i + 1, value);
            }
        });
    if (m_strip)
        m_strip->finish();
    return Source::Cache;
}

void PageIndexLoader::BuildPageIndex(PageIndex &index)
{
    // A cache that may not be rewritten is not removed either (RecordFile
    // refuses the write itself).
    if (RecordFile::mayWrite(m_folder + cacheFileName()))
        m_files.remove(m_folder + cacheFileName());
    const int n = prepare(index);

    m_rows.readColumnsWhole({CoursField::numeropage(), CoursField::index()});
    for (int i = 0; i <= n; ++i) {
        fill(i, 2.0 * n);
        // A failed move leaves the previous row in the bound controls, and
        // that row is counted again at this position, as the controls show it.
        m_rows.setAbsolutePosition(i);
        PageIndex::assign(index.byNumber, DecimalRead(m_rows.field(CoursField::numeropage())), i);
        PageIndex::assign(index.byOrder, DecimalRead(m_rows.field(CoursField::index())), i);
    }

    std::vector<std::pair<int, QString>> records;
    records.reserve(size_t(2 * (n + 1)));
    for (int i = 0; i <= n; ++i) {
        fill(n + i, 2.0 * n);
        records.emplace_back(2 * i + 1, QString::number(index.byNumber[size_t(i) + 1]));
        records.emplace_back(2 * i + 2, QString::number(index.byOrder[size_t(i) + 1]));
    }
    const RecordFile file(m_folder + cacheFileName());
    file.writeMany(records); // an empty table still leaves an (empty) cache file

    StateFile(m_stateFolder, m_stateMemory).setIndexCacheState(QStringLiteral("VU"));
    if (m_strip)
        m_strip->finish();
}

} // namespace vorlane
