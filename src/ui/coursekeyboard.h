#pragma once

#include "core/app/coursekeys.h"

#include <QObject>

class QAbstractButton;
class QScrollBar;
class QWidget;

namespace vorlane {

class ControlTable;

// The keyboard and the extra mouse buttons of the course window: the keys of
// CourseKeys as window shortcuts (they win over the focused button, so Space
// scrolls rather than clicks), and the mouse's Back and Forward buttons over the
// window as Alt+Left and Alt+Right. A command key clicks its control as the mouse
// would, only when the control is shown and enabled; Ctrl+P opens the print
// button's menu.
class CourseKeyboard : public QObject {
    Q_OBJECT
public:
    // `page` is the frame the page scrolls in (its height is one screen).
    CourseKeyboard(QWidget &window, const ControlTable &controls, QScrollBar &scroll, QWidget &page);
    // Watches the widgets made inside `parent` after the window was built.
    void watchChildrenOf(QWidget &parent);

    // Runs the binding's scroll or command. False when nothing could be done
    // (the control is hidden or disabled).
    bool run(const CourseKeys::Binding &binding);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QAbstractButton *buttonOf(CourseCommand command) const;

    QWidget &m_window;
    const ControlTable &m_controls;
    QScrollBar &m_scroll;
    QWidget &m_page;
};

} // namespace vorlane
