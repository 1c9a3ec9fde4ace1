#pragma once

#include "core/course/courserows.h"
#include "core/course/pageindex.h"
#include "core/platform/files.h"
#include "core/records/statefile.h"

#include <QString>
#include <optional>

namespace vorlane {

// The progress strip `labelvorlane` shown while the page index loads.
class ProgressStrip {
public:
    virtual ~ProgressStrip() = default;
    // Centres the strip horizontally in the window and shows it.
    virtual void centre() = 0;
    // Draws the strip filled from its left edge to `fraction` (0..1) of its
    // width, in RGB(255, 180, 50).
    virtual void fill(double fraction) = 0;
    // Hides the strip: the index is loaded.
    virtual void finish() = 0;
};

// When the strip is painted again while the index loads: the loop does not
// return to the event loop, so each repaint is paid at once. The first change is
// painted, a later one only once kIntervalMs have passed since the last repaint
// (a clock that goes back counts as time passed); a change left unpainted shows
// at the next repaint.
class RepaintPace {
public:
    static constexpr qint64 kIntervalMs = 20;
    // True when a repaint at `nowMs` (any monotonic clock) is due; it is then
    // counted as done.
    bool due(qint64 nowMs);

private:
    std::optional<qint64> m_last;
};

// Loads the page index at start-up: from the cache file LISTETS.MPC of the
// application folder when it exists and record 34 of the state file does not
// ask for a rebuild ("VOIR"), else by visiting every row of the course table.
//
// LISTETS.MPC is a record file: for k from 1 to R, record 2k - 1 holds
// PageByNumber(k) and record 2k PageByOrder(k) as decimal numbers; slot 0 is
// not stored. A rebuild rewrites the file and sets record 34 to "VU"; a cache
// that cannot be written whole (a full disk) is not kept, so the next start
// rebuilds it. In a folder that may not be written (an installed course, read-only
// for pupils) the cache is neither removed nor written: the index rebuilt at
// each start lives in memory. A cache that no longer matches the table is used as it is until
// a rebuild is asked.
class PageIndexLoader {
public:
    enum class Source { Cache, Rebuilt };

    // The cache file is in `applicationFolder` (the course's folder); the state
    // file in `stateFolder` (the program's), the same folder when empty, kept
    // in `stateMemory` when that folder may not be written (StateFile).
    PageIndexLoader(QString applicationFolder, Files &files, CourseRows &rows, ProgressStrip *strip = nullptr,
                    QString stateFolder = {}, StateMemory *stateMemory = nullptr);

    static QString cacheFileName() { return QStringLiteral("LISTETS.MPC"); }

    Source LoadPageIndex(PageIndex &index);
    // Visits every row: PageByNumber(Numeropage) = position and
    // PageByOrder(Index) = position (a later row with the same number wins; a
    // number without a slot leaves the row out), then writes the cache. After
    // it the data control stays on the last row.
    void BuildPageIndex(PageIndex &index);

private:
    // Moves to the last row, sizes the arrays for it and moves to the first;
    // returns n, the last row's position (-1 for an empty table).
    int prepare(PageIndex &index);
    void fill(double numerator, double denominator);

    QString m_folder;
    QString m_stateFolder;
    Files &m_files;
    CourseRows &m_rows;
    ProgressStrip *m_strip;
    StateMemory *m_stateMemory;
};

} // namespace vorlane
