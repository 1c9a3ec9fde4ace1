#pragma once

// Shared set-up of the fuzz targets: one offscreen QGuiApplication per process
// (fonts and raster surfaces need it), created on the first input.

#include <QGuiApplication>
#include <QString>
#include <cstddef>
#include <cstdint>

namespace vorlane::fuzz {

inline void ensureApplication()
{
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
            qputenv("XDG_RUNTIME_DIR", "/tmp/vorlane-fuzz-runtime");
        static int argc = 1;
        static char name[] = "vorlane-fuzz";
        static char *argv[] = {name, nullptr};
        return new QGuiApplication(argc, argv);
    }();
    (void)app;
}

inline QString utf8(const std::uint8_t *data, std::size_t size)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
}

} // namespace vorlane::fuzz
