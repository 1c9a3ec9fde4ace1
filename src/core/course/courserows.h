#pragma once

#include <QString>
#include <QStringList>

namespace vorlane {

// The course table `Cours` as the main window's data control `Data1` shows it:
// a current row moved by zero-based position in stored order, and the fields of
// the current row as the bound controls show them (texts as text, numbers as
// their text, yes/no fields as "1" or "0", NULL as the empty text).
//
// Every move is total: a move that fails returns false and leaves the current
// row where it was.
class CourseRows {
public:
    virtual ~CourseRows() = default;

    virtual bool moveFirst() = 0;
    virtual bool moveLast() = 0;
    // Position of the current row, -1 when there is none (an empty table).
    virtual int absolutePosition() const = 0;
    virtual bool setAbsolutePosition(int position) = 0;
    // The field of the current row, found without regard to letter case; the
    // empty text when there is no current row or no such field.
    virtual QString field(const QString &name) const = 0;
    // Before a scan of every row that reads these fields: reads them for all
    // rows at once where they would otherwise be read row by row. What field()
    // gives does not change.
    virtual void readColumnsWhole(const QStringList &names) { Q_UNUSED(names) }
};

} // namespace vorlane
