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
// The rows inside a frame marked `rowsWhenShown` wait until the frame is first
// shown, or until one of them is asked for by name (`widget`, `get`); then all
// of them are made at once, and `onLateRows` is called.
//
// Widgets by kind: Panel a styled QWidget, Frame a white QWidget, Placeholder
// a plain QWidget, Surface a SurfaceView, ScrollBar a vertical QScrollBar,
// ToolButton and BandButton a QToolButton (glyph 18 or 16 pixels, caption
// beside it, Tab focus), Picture and Label a QLabel, GroupBox a QGroupBox,
// LineEdit a read-only QLineEdit, CheckBox a QCheckBox, TextEdit a read-only
// QPlainTextEdit, ProgressStrip a ProgressStripWidget.
class ControlTable {
public:
    ControlTable(QWidget &window, const std::vector<ControlEntry> &table);

    // The widget of the first row of that name (made now if it waits), or nullptr.
    QWidget *widget(const QString &name) const;
    // Whether the row of that name has its widget yet; never makes it.
    bool isMade(const QString &name) const;
    // The widget of row `row` of the table, or nullptr past its end or while it waits.
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

    // Every button of the table, those made later included, calls `onClick`
    // with its row when clicked.
    void connectClicks(QObject *context, const std::function<void(const ControlEntry &)> &onClick);
    // Called after the rows that waited for their frame are made.
    void onLateRows(std::function<void()> made) { m_onLateRows = std::move(made); }

private:
    static QWidget *build(const ControlEntry &entry, QWidget *parent);
    size_t rowOf(const QString &name) const;
    void make(size_t row) const;
    void makeWaitingRows() const;
    void connectClick(size_t row) const;

    QWidget &m_window;
    const std::vector<ControlEntry> &m_table;
    // One per row; nullptr while the row waits for its frame. Made on demand,
    // so a lookup may fill them.
    mutable std::vector<QWidget *> m_widgets;
    std::vector<bool> m_waits;
    QObject *m_clickContext = nullptr;
    std::function<void(const ControlEntry &)> m_onClick;
    std::function<void()> m_onLateRows;
};

} // namespace vorlane
