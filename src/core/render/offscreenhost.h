#pragma once

#include "core/render/renderhost.h"

#include <QString>
#include <memory>
#include <vector>

namespace vorlane {

// The host of a body drawn away from any window (the command-line tool, the
// tests): it owns the picture areas by name and hands the records that are not
// surface operations to a trace.
class OffscreenHost : public RenderHost {
public:
    explicit OffscreenHost(TraceLog *trace = nullptr) : m_trace(trace) {}

    // Adds a surface; it is found by its name(). Returns it.
    DrawingSurface &addSurface(std::unique_ptr<DrawingSurface> surface);

    DrawingSurface *surface(const QString &name) override;
    TraceLog *trace() override { return m_trace; }

    // Folder where pictures named by the markup are looked up.
    void setDataFolder(const QString &folder) { m_dataFolder = folder; }
    const QString &dataFolder() const { return m_dataFolder; }

private:
    TraceLog *m_trace;
    QString m_dataFolder;
    std::vector<std::unique_ptr<DrawingSurface>> m_surfaces;
};

} // namespace vorlane
