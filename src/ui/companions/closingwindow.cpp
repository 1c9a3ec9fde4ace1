#include "ui/companions/closingwindow.h"

#include "core/companions/companionpainting.h"

#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QTimer>
#include <QVBoxLayout>

using namespace Qt::Literals::StringLiterals;

namespace vorlane {

ClosingWindow::ClosingWindow(CompanionCloser &closer, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint), m_closer(closer),
      m_label(new QLabel(labelText(), this))
{
    setObjectName(u"Fermeur"_s);
    setWindowTitle(u"Vorlane"_s);
    setModal(true);
    setFixedSize(360, 110);
    m_label->setObjectName(u"Label1"_s);
    m_label->setAlignment(Qt::AlignCenter);
    m_label->setWordWrap(true);
    QFont f = m_label->font();
    f.setPointSize(11);
    f.setBold(true);
    m_label->setFont(f);
    m_label->setStyleSheet(u"color: #243b63; background: transparent;"_s);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(16, 12, 16, 12);
    layout->addWidget(m_label);
}

QString ClosingWindow::labelText()
{
    return u"Fermeture du logiciel Veuillez patienter quelques instants..."_s;
}

QSet<quint64> ClosingWindow::ownWindowIds()
{
    QSet<quint64> ids;
    for (QWidget *w : QApplication::topLevelWidgets()) {
        if (w->testAttribute(Qt::WA_WState_Created) && w->internalWinId())
            ids.insert(quint64(w->internalWinId()));
    }
    return ids;
}

void ClosingWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_started)
        return;
    m_started = true;
    // After the first paint, so that the message is on screen during the work.
    QTimer::singleShot(0, this, &ClosingWindow::work);
}

void ClosingWindow::work()
{
    repaint();
    m_report = m_closer.CloseCompanions(ownWindowIds());
    accept();
}

void ClosingWindow::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    PaintClosingBackground(p, size());
}

} // namespace vorlane
