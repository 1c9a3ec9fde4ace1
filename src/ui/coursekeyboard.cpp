#include "ui/coursekeyboard.h"

#include "ui/controltable.h"

#include <QAbstractButton>
#include <QMouseEvent>
#include <QScrollBar>
#include <QShortcut>
#include <QToolButton>

namespace vorlane {

CourseKeyboard::CourseKeyboard(QWidget &window, const ControlTable &controls, QScrollBar &scroll,
                               QWidget &page)
    : QObject(&window), m_window(window), m_controls(controls), m_scroll(scroll), m_page(page)
{
    for (const CourseKeys::Binding &b : CourseKeys::bindings()) {
        auto *shortcut = new QShortcut(QKeySequence(QKeyCombination(b.modifiers, Qt::Key(b.key))), &window);
        shortcut->setContext(Qt::WindowShortcut);
        shortcut->setAutoRepeat(b.command == CourseCommand::None);
        const CourseKeys::Binding *binding = &b;
        connect(shortcut, &QShortcut::activated, this, [this, binding] { run(*binding); });
    }
    window.installEventFilter(this);
    watchChildrenOf(window);
}

void CourseKeyboard::watchChildrenOf(QWidget &parent)
{
    // Installing the filter again on a widget moves it first, it is not doubled.
    for (QWidget *child : parent.findChildren<QWidget *>())
        child->installEventFilter(this);
}

QAbstractButton *CourseKeyboard::buttonOf(CourseCommand command) const
{
    for (const ControlEntry &entry : CourseWindowTable::controls()) {
        if (CourseCommand(entry.command) == command)
            return qobject_cast<QAbstractButton *>(m_controls.widget(entry.name));
    }
    return nullptr;
}

bool CourseKeyboard::run(const CourseKeys::Binding &binding)
{
    if (binding.command == CourseCommand::None) {
        const int screen = std::max(m_scroll.singleStep(), m_page.height() - m_scroll.singleStep());
        m_scroll.setValue(CourseKeys::scrolled(binding.scroll, m_scroll.value(), m_scroll.minimum(),
                                               m_scroll.maximum(), screen, m_scroll.singleStep()));
        return true;
    }
    QAbstractButton *button = buttonOf(binding.command);
    if (!button || !button->isVisibleTo(&m_window) || !button->isEnabled())
        return false;
    if (binding.command == CourseCommand::Print) {
        if (auto *tool = qobject_cast<QToolButton *>(button); tool && tool->menu()) {
            tool->showMenu();
            return true;
        }
    }
    button->click();
    return true;
}

bool CourseKeyboard::eventFilter(QObject *watched, QEvent *event)
{
    // A link reached with Tab below or above the visible part: scroll it into view.
    if (event->type() == QEvent::FocusIn) {
        auto *w = qobject_cast<QWidget *>(watched);
        if (w && w->inherits("vorlane::LinkElement") && m_scroll.isVisible() && m_page.isAncestorOf(w)) {
            const int top = w->mapTo(&m_page, QPoint(0, 0)).y() + m_scroll.value();
            if (top < m_scroll.value())
                m_scroll.setValue(top);
            else if (top + w->height() > m_scroll.value() + m_page.height())
                m_scroll.setValue(top + w->height() - m_page.height());
        }
    }
    if (event->type() == QEvent::MouseButtonPress) {
        const auto button = static_cast<QMouseEvent *>(event)->button();
        if (button == Qt::BackButton || button == Qt::ForwardButton) {
            const CourseKeys::Binding *b =
                CourseKeys::find(button == Qt::BackButton ? Qt::Key_Left : Qt::Key_Right, Qt::AltModifier);
            if (b)
                run(*b);
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

} // namespace vorlane
