// Record store speed: refreshing a data control on a course table of 3,000
// pages of about 3 KB each (SQLite), a scan of it as the page index does, and
// one Access table read through the helper.

#include "core/store/datacontrol.h"

#include <QCoreApplication>
#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QVariant>
#include <benchmark/benchmark.h>

#include <random>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

constexpr int kPages = 3000;

// A page body in the course markup: text lines and "##" command lines, CR LF.
QString body(std::mt19937 &random, int page)
{
    static const char *const lines[] = {
        "##TITRE Mouvement et interactions\r\n",
        "Un solide est en mouvement de translation lorsque tout segment reste parallèle à lui-même.\r\n",
        "##COULEUR 4\r\n",
        "La deuxième loi de Newton s'écrit : ΣF = m·a, dans un référentiel galiléen.\r\n",
        "##FRACTION 1;2\r\n",
        "L'énergie cinétique d'un solide en translation vaut Ec = ½ m v².\r\n",
        "##LIEN PA0028;Sommaire physique\r\n",
        "Exemple : une bille de 20 g lâchée sans vitesse initiale d'une hauteur de 1,5 m.\r\n",
        "##IMAGE meca01.gif;120;80\r\n",
        "On néglige les frottements de l'air ; la chute est alors dite « libre ».\r\n",
    };
    QString text = u"##PAGE %1\r\n"_s.arg(page);
    while (text.size() < 3000)
        text += QString::fromUtf8(lines[random() % std::size(lines)]);
    return text;
}

class CourseFile {
public:
    CourseFile()
    {
        const QString connection = u"bench-writer"_s;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, connection);
            db.setDatabaseName(m_dir.filePath(u"PcTs.sqlite"_s));
            db.open();
            QSqlQuery query(db);
            query.exec(u"CREATE TABLE Cours (titre TEXT, Numeropage INTEGER, \"Index\" INTEGER, "
                       "precedent INTEGER, suite INTEGER, imprimable INTEGER, moteur INTEGER, "
                       "debutimp REAL, finimp REAL, fpc TEXT, sommaire INTEGER)"_s);
            db.transaction();
            query.prepare(u"INSERT INTO Cours VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"_s);
            std::mt19937 random(42);
            for (int page = 1; page <= kPages; ++page) {
                const QVariantList values = {u"Page %1 : mécanique"_s.arg(page),
                                             page,
                                             page,
                                             page > 1 ? -1 : 0,
                                             page < kPages ? -1 : 0,
                                             -1,
                                             -1,
                                             page,
                                             page,
                                             body(random, page),
                                             28};
                for (const QVariant &value : values)
                    query.addBindValue(value);
                query.exec();
            }
            db.commit();
        }
        QSqlDatabase::removeDatabase(connection);
    }
    QString databaseName() const { return m_dir.filePath(u"PcTs"_s); }

private:
    QTemporaryDir m_dir;
};

const CourseFile &course()
{
    static const CourseFile file;
    return file;
}

void BM_RefreshCours3000(benchmark::State &state)
{
    DataControl data;
    data.setDatabaseName(course().databaseName());
    data.setRecordSource(u"Cours"_s);
    for (auto _ : state) {
        if (data.refresh() != StoreStatus::Ok || data.rowCount() != kPages)
            state.SkipWithError("refresh failed");
        benchmark::DoNotOptimize(data.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * kPages);
    state.SetBytesProcessed(state.iterations() * kPages * 3000 * 2);
}
BENCHMARK(BM_RefreshCours3000)->Unit(benchmark::kMillisecond);

void BM_OpenAndRefreshCours3000(benchmark::State &state)
{
    for (auto _ : state) {
        DataControl data;
        data.setDatabaseName(course().databaseName());
        data.setRecordSource(u"Cours"_s);
        if (data.refresh() != StoreStatus::Ok)
            state.SkipWithError("refresh failed");
        benchmark::DoNotOptimize(data.rowCount());
    }
}
BENCHMARK(BM_OpenAndRefreshCours3000)->Unit(benchmark::kMillisecond);

// Every row visited by position with two fields read, as the page index is built.
void BM_ScanPageKeys3000(benchmark::State &state)
{
    DataControl data;
    data.setDatabaseName(course().databaseName());
    data.setRecordSource(u"Cours"_s);
    data.refresh();
    for (auto _ : state) {
        qint64 sum = 0;
        for (int row = 0; row < data.rowCount(); ++row) {
            data.setAbsolutePosition(row);
            sum += data.field(u"Numeropage").size() + data.field(u"Index").size();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.SetItemsProcessed(state.iterations() * kPages);
}
BENCHMARK(BM_ScanPageKeys3000)->Unit(benchmark::kMicrosecond);

// One Access table (275 rows) through the helper process: the cost of a run.
void BM_AccessTable275(benchmark::State &state)
{
    AccessReaderOptions options;
    options.helperPath = QStringLiteral(VORLANE_MDB_READER);
    const AccessReader reader(options);
    const QString file = QDir::cleanPath(QStringLiteral(VORLANE_SAMPLE_DIR) +
                                         u"/../tests/data/mdb/jet3_testIndexCodesV1997.mdb"_s);
    for (auto _ : state) {
        const AccessReader::Result result = reader.readTable(file, u"Table1"_s);
        if (result.outcome != AccessReader::Outcome::Ok)
            state.SkipWithError("helper read failed");
        benchmark::DoNotOptimize(result.rows.rowCount());
    }
}
BENCHMARK(BM_AccessTable275)->Unit(benchmark::kMillisecond);

// An Access table refreshed by a data control, as start-up refreshes the
// course: read whole (0), with its long column deferred up to the refresh's
// return (1), and deferred up to the first value of that column (2), which
// waits for the background pass.
void BM_AccessRefresh(benchmark::State &state, const char *file, const char *table, const char *deferred)
{
    AccessReaderOptions options;
    options.helperPath = QStringLiteral(VORLANE_MDB_READER);
    DataControl data(options);
    data.setDatabaseName(QDir::cleanPath(QStringLiteral(VORLANE_SAMPLE_DIR) + u"/../tests/data/mdb/"_s +
                                         QString::fromLatin1(file)));
    data.setRecordSource(QString::fromLatin1(table));
    const int mode = int(state.range(0));
    if (mode > 0)
        data.setDeferredColumns({QString::fromLatin1(deferred)});
    for (auto _ : state) {
        if (data.refresh() != StoreStatus::Ok)
            state.SkipWithError("refresh failed");
        if (mode == 1)
            state.PauseTiming();
        data.moveLast();
        benchmark::DoNotOptimize(data.field(QString::fromLatin1(deferred)));
        if (mode == 1)
            state.ResumeTiming();
    }
}
BENCHMARK_CAPTURE(BM_AccessRefresh, Table1_275, "jet3_testIndexCodesV1997.mdb", "Table1", "data")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_AccessRefresh, Memo, "jet4_test2V2000_accented_memo.mdb", "MSP_PROJECTS",
                  "PROJ_PROP_AUTHOR")
    ->Arg(0)
    ->Arg(1)
    ->Arg(2)
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
