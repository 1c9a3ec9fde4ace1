#pragma once

#include "core/course/courseopener.h"
#include "core/course/courserows.h"
#include "core/store/datacontrol.h"

namespace vorlane {

// The main window's data control `Data1` on the course table `Cours`, as page
// display, the page index and start-up use it.
class CourseTable final : public CourseRows, public CourseOpener {
public:
    explicit CourseTable(AccessReaderOptions access = {}) : m_control(access) {}

    // Points the control at the database, refreshes it and opens the table
    // "cours" once through its database. A database that exists but cannot be
    // read, or has no course table, is Unreadable.
    Result open(const QString &databasePath) override;
    Result finishOpening() override;

    bool moveFirst() override { return m_control.moveFirst(); }
    bool moveLast() override { return m_control.moveLast(); }
    int absolutePosition() const override { return m_control.absolutePosition(); }
    bool setAbsolutePosition(int position) override { return m_control.setAbsolutePosition(position); }
    QString field(const QString &name) const override { return m_control.field(name); }
    void readColumnsWhole(const QStringList &names) override { m_control.readColumns(names); }

    DataControl &control() { return m_control; }

private:
    DataControl m_control;
};

} // namespace vorlane
