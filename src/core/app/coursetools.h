#pragma once

#include "core/platform/files.h"
#include "core/platform/prompts.h"

#include <QString>
#include <optional>

namespace vorlane {

// The rules of the course window's tool buttons that do not navigate.
class CourseTools {
public:
    // The help file `Command10` opens: PCTS.hlp of the application folder when
    // there is one, else PCTS.html (names matched ignoring case); nullopt when
    // neither exists (the button then does nothing).
    static std::optional<QString> helpFile(const QString &applicationFolder, const Files &files);

    // Why `Command8` cannot update the software now: the message shown while a
    // module of the software has not stopped (its running flag in the state
    // file is not "NON"); nullopt when the update may go on.
    static std::optional<Message> updateRefusal(const QString &applicationFolder);
};

} // namespace vorlane
