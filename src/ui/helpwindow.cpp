#include "ui/helpwindow.h"

#include "ui/toolbuttonstyle.h"

#include <QHBoxLayout>
#include <QScrollBar>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace vorlane {

HelpWindow::HelpWindow(Desktop &desktop, QWidget *parent)
    : QWidget(parent, Qt::Window), m_desktop(desktop), m_browser(new QTextBrowser(this)),
      m_back(new QToolButton(this)), m_forward(new QToolButton(this))
{
    setObjectName(u"aide"_s);
    setWindowTitle(u"Aide de Vorlane"_s);
    resize(720, 560);

    m_back->setObjectName(u"aidePrecedente"_s);
    m_back->setText(u"◀ Précédente"_s);
    m_back->setToolTip(u"Page d'aide précédente"_s);
    m_forward->setObjectName(u"aideSuivante"_s);
    m_forward->setText(u"Suivante ▶"_s);
    m_forward->setToolTip(u"Page d'aide suivante"_s);
    for (QToolButton *b : {m_back, m_forward}) {
        b->setStyleSheet(ToolButtonStyle::flat());
        b->setToolButtonStyle(Qt::ToolButtonTextOnly);
        b->setEnabled(false);
    }

    m_browser->setObjectName(u"aideTexte"_s);
    // Links are followed here, so that a web address can go to the browser.
    m_browser->setOpenLinks(false);
    connect(m_browser, &QTextBrowser::anchorClicked, this, &HelpWindow::followLink);
    connect(m_browser, &QTextBrowser::backwardAvailable, m_back, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::forwardAvailable, m_forward, &QToolButton::setEnabled);
    connect(m_browser, &QTextBrowser::sourceChanged, this, &HelpWindow::updateTitle);
    connect(m_back, &QToolButton::clicked, m_browser, &QTextBrowser::backward);
    connect(m_forward, &QToolButton::clicked, m_browser, &QTextBrowser::forward);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_back);
    buttons->addWidget(m_forward);
    buttons->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addLayout(buttons);
    layout->addWidget(m_browser);
}

void HelpWindow::showPage(const QString &path)
{
    const QUrl url = QUrl::fromLocalFile(path);
    if (m_browser->source() == url)
        m_browser->verticalScrollBar()->setValue(0); // back to the top, not a new page of the history
    else
        m_browser->setSource(url);
}

void HelpWindow::followLink(const QUrl &url)
{
    const QUrl target = m_browser->source().resolved(url);
    if (CourseTools::helpLink(target) == CourseTools::HelpLink::Browser)
        m_desktop.openAddress(target.toString());
    else
        m_browser->setSource(target);
}

void HelpWindow::updateTitle()
{
    const QString title = m_browser->documentTitle();
    setWindowTitle(title.isEmpty() ? u"Aide de Vorlane"_s : title);
}

void HelpWindowOpener::showHelpPage(const QString &path)
{
    if (!m_window) {
        m_window = new HelpWindow(m_desktop, &m_owner);
        // First shown over the middle of the course window.
        QRect frame = m_window->geometry();
        frame.moveCenter(m_owner.geometry().center());
        m_window->move(frame.topLeft());
    }
    m_window->showPage(path);
    m_window->show();
    m_window->raise();
    m_window->activateWindow();
}

} // namespace vorlane
