#include "ui/linkelement.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace vorlane {

LinkElement::LinkElement(const QString &arrayName, int index, QWidget *parent)
    : QLabel(parent), m_index(index)
{
    setObjectName(QStringLiteral("%1_%2").arg(arrayName).arg(index));
    setAttribute(Qt::WA_TranslucentBackground);
    setAutoFillBackground(false);
    setTextFormat(Qt::PlainText);
    setContentsMargins(0, 0, 0, 0);
    setMargin(0);
    setIndent(0);
    setFocusPolicy(Qt::TabFocus);
    hide();
}

void LinkElement::setCaption(const QString &caption)
{
    // QLabel makes its text document when the text is set on a label that
    // takes the focus; the policy is given back at once.
    const Qt::FocusPolicy policy = focusPolicy();
    setFocusPolicy(Qt::NoFocus);
    setText(caption);
    setFocusPolicy(policy);
}

void LinkElement::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_index);
    QLabel::mouseReleaseEvent(event);
}

void LinkElement::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit clicked(m_index);
        return;
    }
    QLabel::keyPressEvent(event);
}

void LinkElement::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    QPen pen(QColor(0x1d, 0x2b, 0x45));
    pen.setStyle(Qt::DotLine);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void LinkElement::focusInEvent(QFocusEvent *event)
{
    QLabel::focusInEvent(event);
    update();
}

void LinkElement::focusOutEvent(QFocusEvent *event)
{
    QLabel::focusOutEvent(event);
    update();
}

} // namespace vorlane
