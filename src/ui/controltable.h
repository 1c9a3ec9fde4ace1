#pragma once

#include "core/platform/controlentry.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

namespace vorlane {

// The widgets of a window built from its control table in core: one widget per
// row, in table order, each in the row's parent (the window when it names
// none), with the row's object name, rectangle, glyph, tool tip, caption and
// initial visibility and enabled state. Any window can build its controls
// this way from a table of its own.
//
// Widgets by kind: Panel a styled QWidget, Frame a white QWidget, Placeholder
// a plain QWidget, Surface a SurfaceView, ScrollBar a vertical QScrollBar,
// ToolButton and BandButton a QToolButton (glyph 18 or 16 pixels, caption
// beside it, Tab focus; a band button has the property band = true), Picture
// and Label a QLabel, GroupBox a QGroupBox, LineEdit a read-only QLineEdit,
// CheckBox a QCheckBox, TextEdit a read-only QPlainTextEdit, ProgressStrip a
// ProgressStripWidget.
class ControlTable {
public:
    ControlTable(QWidget &window, const std::vector<ControlEntry> &table);

    // The widget of the first row of that name, or nullptr.
    QWidget *widget(const QString &name) const;
    // The widget of row `row` of the table, or nullptr past its end.
    QWidget *widgetAt(size_t row) const { return row < m_widgets.size() ? m_widgets[row] : nullptr; }
    template <class W>
    W *get(const QString &name) const
    {
        return qobject_cast<W *>(widget(name));
    }
    template <class W>
    W *get(QStringView name) const
    {
        return get<W>(name.toString());
    }

    // Every button of the table calls `onClick` with its row when clicked.
    void connectClicks(QObject *context, const std::function<void(const ControlEntry &)> &onClick) const;

private:
    QWidget *build(const ControlEntry &entry, QWidget *parent);

    QWidget &m_window;
    const std::vector<ControlEntry> &m_table;
    std::vector<QWidget *> m_widgets; // one per row
};

} // namespace vorlane
