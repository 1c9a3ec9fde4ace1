#pragma once

#include <QEvent>
#include <QMouseEvent>
#include <QObject>
#include <QWidget>
#include <functional>

namespace vorlane {

// Makes a picture or a label act on a click: `action` runs when the mouse is
// released over the widget (the return button `btexo` and its label).
class ReleaseAction final : public QObject {
public:
    ReleaseAction(QWidget *widget, std::function<void()> action)
        : QObject(widget), m_action(std::move(action))
    {
        widget->installEventFilter(this);
        widget->setCursor(Qt::PointingHandCursor);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            const auto *widget = static_cast<QWidget *>(watched);
            if (widget->rect().contains(static_cast<QMouseEvent *>(event)->position().toPoint())) {
                m_action();
                return true;
            }
        }
        return false;
    }

private:
    std::function<void()> m_action;
};

} // namespace vorlane
