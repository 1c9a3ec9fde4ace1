#pragma once

#include "core/search/pagesearch.h"

#include <QDialog>
#include <optional>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

namespace vorlane {

struct Session;

// The search window `coordon` ("Rechercher"): the user types words, the
// window lists the titles of the course pages that contain them, and a chosen
// page's number is handed back through the session's searchResultPage. The
// search itself, its texts and its geometry are core's (PageSearch,
// SearchWindowDesign); this window lays out the controls and forwards events.
//
// Controls: label "Saisir le(s) mot(s) à rechercher :", entry `Text1`,
// buttons `Command2` "Rechercher", `Command1` "Annuler", `Command3` "Afficher",
// check boxes `Checkmots` "Tous les mots" and `Checkaccents` "Ignorer les
// accents" (both unchecked), list `List2` (item text: title; Qt::UserRole:
// page number), label `Label2` "Aucune page trouvée", progress bar `Pbar1`,
// and the hidden frame `Framebase` of bound fields (`Checkmot`, `TextID`,
// `Textitre`, `code`, labels `LabelW`).
//
// Enter in the entry searches. A double-click in the list, Enter in the list
// or `Command3` with an entry selected chooses it (the window closes); a
// double-click or Enter with none selected closes the window without a
// choice, `Command3` then does nothing. `Command1` and Escape close without a
// choice.
class SearchWindow : public QDialog {
    Q_OBJECT
public:
    // The load: searchResultPage = 0, the entry empty, the small height, the
    // list hidden, the course table of the application folder read.
    SearchWindow(Session &session, const QString &applicationFolder, QWidget *parent = nullptr);

    // What the course window's search button does: shows a new search window
    // modally at the course window's top-left corner; when it closes, the
    // target code of the chosen page (and the words found are left in the
    // session, to be marked on that page), or std::nullopt without a choice.
    static std::optional<QString> openFromCourseWindow(QWidget &courseWindow, Session &session,
                                                       const QString &applicationFolder);

    // Command2, or Enter in the entry.
    void search();

    QLineEdit *entry() const { return m_text1; }
    QListWidget *list() const { return m_list2; }
    QLabel *noPageLabel() const { return m_label2; }
    QProgressBar *progressBar() const { return m_pbar1; }
    QCheckBox *allWordsBox() const { return m_checkmots; }
    QCheckBox *ignoreAccentsBox() const { return m_checkaccents; }

protected:
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void buildControls();
    void setInnerHeight(int pixels);
    // Chooses the selected entry; with none, closes without a choice when
    // `closeWithout` (double-click, Enter) and does nothing otherwise.
    void choose(bool closeWithout);
    void showRow(int position);

    Session &m_session;
    PageSearch m_pages;
    QStringList m_foundWords;
    SearchOptions m_foundOptions;
    bool m_searching = false;

    QLineEdit *m_text1 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QCheckBox *m_checkmots = nullptr;
    QCheckBox *m_checkaccents = nullptr;
    QListWidget *m_list2 = nullptr;
    QLabel *m_label2 = nullptr;
    QProgressBar *m_pbar1 = nullptr;

    QGroupBox *m_framebase = nullptr;
    QCheckBox *m_checkmot = nullptr;
    QLineEdit *m_textID = nullptr;
    QLineEdit *m_textitre = nullptr;
    QPlainTextEdit *m_code = nullptr;
};

} // namespace vorlane
