#include "ui/linkelement.h"

#include <QMouseEvent>

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
    hide();
}

void LinkElement::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked(m_index);
    QLabel::mouseReleaseEvent(event);
}

} // namespace vorlane
