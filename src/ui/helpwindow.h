#pragma once

#include "core/app/coursetools.h"
#include "core/platform/desktop.h"

#include <QPointer>
#include <QWidget>

class QTextBrowser;
class QToolButton;
class QUrl;

namespace vorlane {

// The program's own help window: the HTML help page in a QTextBrowser, with
// buttons to go back and forward through the help pages seen. Links to pages
// of the help are followed in the window; web addresses go to the desktop's
// browser (CourseTools::helpLink).
class HelpWindow final : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(Desktop &desktop, QWidget *parent = nullptr);

    // Shows the page of that file, at its top.
    void showPage(const QString &path);

    QTextBrowser *browser() const { return m_browser; }
    QToolButton *backButton() const { return m_back; }
    QToolButton *forwardButton() const { return m_forward; }

private:
    void followLink(const QUrl &url);
    void updateTitle();

    Desktop &m_desktop;
    QTextBrowser *m_browser;
    QToolButton *m_back;
    QToolButton *m_forward;
};

// The help button's side of the course window: one help window, made on the
// first use and brought to the front on the next ones.
class HelpWindowOpener final : public HelpPages {
public:
    HelpWindowOpener(QWidget &owner, Desktop &desktop) : m_owner(owner), m_desktop(desktop) {}

    void showHelpPage(const QString &path) override;
    // The help window, or nullptr before the first use.
    HelpWindow *window() const { return m_window; }

private:
    QWidget &m_owner;
    Desktop &m_desktop;
    QPointer<HelpWindow> m_window;
};

} // namespace vorlane
