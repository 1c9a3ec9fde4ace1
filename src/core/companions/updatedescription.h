#pragma once

#include "core/platform/prompts.h"

#include <QString>
#include <optional>

namespace vorlane {

class StateFile;

// Texts of the update window `maj2001` and of the update button.

// "major.minor.revision" from a version such as "0.1" or "2.3.1.4": missing
// parts read 0, parts beyond the third are dropped, each part in its shortest
// decimal form ("007" reads 7); a part that is not a number reads 0.
QString VersionText(const QString &version);

// The program's own version, from the project's version.
QString ProgramVersionText();

// The label of the window: lines separated by CR LF, nine spaces before each
// detail line; `record32` and `record33` come from the state file.
QString UpdateLabelText(const QString &record32, const QString &record33, const QString &version,
                        const QString &date);

// The update button's refusal while a companion module runs (a record 1..30
// other than exactly "NON"); nullopt when the update window may open.
std::optional<Message> UpdateRefusal(const StateFile &state);

// The title painted across the top of the window.
QString UpdateWindowTitleText();

} // namespace vorlane
