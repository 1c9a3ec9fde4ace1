#pragma once

#include "core/platform/desktop.h"

namespace vorlane {

// The help viewer and the web browser through QDesktopServices, the first display-settings program
// installed, and QApplication::beep.
class SystemDesktop final : public Desktop {
public:
    bool openHelp(const QString &path) override;
    bool openAddress(const QString &address) override;
    bool openDisplaySettings() override;
    void beep() override;
};

} // namespace vorlane
