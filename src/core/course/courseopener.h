#pragma once

#include <QString>

namespace vorlane {

// Opens the course database for the main window's data control: points it at
// the file, refreshes it and opens the table "cours" once.
class CourseOpener {
public:
    virtual ~CourseOpener() = default;

    enum class Result {
        Opened,
        Unreadable, // the file exists but cannot be read as a course (damaged)
    };
    virtual Result open(const QString &databasePath) = 0;
    // Waits for what the opening still reads in the background (the page bodies
    // of an Access course); Unreadable when that read failed. A course opened
    // whole is read already.
    virtual Result finishOpening() { return Result::Opened; }
};

} // namespace vorlane
