#pragma once

#include "core/app/session.h"
#include "core/exercises/exerciseflow.h"
#include "core/exercises/exerciseview.h"
#include "core/exercises/testdatabase.h"
#include "core/platform/desktop.h"
#include "core/render/renderhost.h"
#include "ui/cjustewindow.h"

#include <QDialog>
#include <array>
#include <functional>
#include <memory>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QScrollArea;

namespace vorlane {

class SurfaceView;

// The test window `exo` ("Vorlane Terminale S"): one chapter test, a question
// at a time. A thin adapter: every decision is the ExerciseFlow's; the window
// shows what the flow asks, hands it the user's events, and paints its title
// band, its question strip and its background (TestStrip).
class ExoWindow final : public QDialog, public ExerciseView, public RenderHost {
    Q_OBJECT
public:
    struct Options {
        // The authoring switch `Commutateur` is shown (vorlane --auteur).
        bool authoring = false;
        // The timer of each correct-answer popup (tests tick it by hand);
        // empty: a real 500 ms timer.
        std::function<std::unique_ptr<PopupTimer>()> popupTimer;
        // Runs instead of the calculator window (tests); empty: the calculator.
        std::function<void()> calculator;
        // What the calculator beeps through.
        Desktop *desktop = nullptr;
    };

    // `courseHost` finds the pictures a question names (the course window's
    // data folders); `folder` holds the test database tcTs.
    ExoWindow(Session &session, RenderHost *courseHost, Prompts &prompts, const QString &folder,
              Options options, QWidget *parent = nullptr);
    ~ExoWindow() override;

    // Opening: the flow loads the test; on a screen wider than 850 pixels the
    // window takes `courseGeometry`; then the first question is shown.
    void open(const QRect &courseGeometry, int screenWidthPx);
    // What the course window's dispatcher runs: opens the window over
    // `courseWindow` and shows it modally until it closes.
    static void run(QWidget &courseWindow, Session &session, RenderHost *courseHost, Prompts &prompts,
                    Desktop &desktop, const QString &folder, int screenWidthPx);

    ExerciseFlow &flow() { return *m_flow; }
    SurfaceView *picture2() const { return m_picture2; }
    QLineEdit *text1() const { return m_text1; }
    QRadioButton *option1(int i) const { return m_option1[std::size_t(i)]; }
    QCheckBox *check1(int i) const { return m_check1[std::size_t(i)]; }
    QLabel *labelien() const { return m_labelien; }
    QWidget *strip() const { return m_picture1; }
    QPlainTextEdit *code() const { return m_code; }

    // ---- ExerciseView --------------------------------------------------------
    void setTitle(const QString &title) override;
    void setQuestionLabel(const QString &text) override;
    void setNavigation(bool previousVisible, bool nextVisible) override;
    void placeFace(int current, int count) override;
    void showFace(int face) override;
    void setValidateVisible(bool visible) override;
    void setScoreVisible(bool visible) override;
    void repaintStrip() override;
    void controlsChanged() override;
    void showCorrectPopup() override;
    DrawingSurface *questionSurface() override;
    std::optional<Picture> markPicture(bool inSolution) override;
    void openCalculator() override;
    void closeWindow() override;

    // ---- RenderHost ----------------------------------------------------------
    DrawingSurface *surface(const QString &name) override;
    std::optional<Picture> dataPicture(const QString &name) override;
    std::optional<Picture> listIcon(int list, int index) override;
    TestControls *testControls() override { return &m_controls; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void build();
    void layoutControls();
    void setLinkBold(bool bold);
    void optionToggled(int index, bool on);
    void authoringSwitch();
    // Stores the markup edited in `code` into the current row (when it was
    // changed); false, with a message, when it cannot be stored: the edit
    // then stays in the editor.
    bool storeEditedQuestion();
    void questionChanged();
    QString editedMarkup() const;

    Session &m_session;
    RenderHost *m_courseHost;
    Prompts &m_prompts;
    QString m_folder;
    Options m_options;
    TestControls m_controls;
    TestDatabase m_database;
    std::unique_ptr<ExerciseFlow> m_flow;
    bool m_closing = false;

    QWidget *m_tito = nullptr;
    QLabel *m_label2 = nullptr;
    QLabel *m_noa = nullptr;
    QWidget *m_picture1 = nullptr;
    QLabel *m_image4 = nullptr;
    QScrollArea *m_frame1 = nullptr;
    SurfaceView *m_picture2 = nullptr;
    std::array<QRadioButton *, 5> m_option1{};
    std::array<QCheckBox *, 5> m_check1{};
    QLineEdit *m_text1 = nullptr;
    QLabel *m_image1 = nullptr;
    QLabel *m_labelien = nullptr;
    QLabel *m_icovideo = nullptr;
    QLabel *m_command5 = nullptr;
    QLabel *m_label3 = nullptr;
    QLabel *m_command3 = nullptr;
    QLabel *m_command4 = nullptr;
    QLabel *m_command6 = nullptr;
    QLabel *m_label5 = nullptr;
    QLabel *m_image2 = nullptr;
    QLabel *m_command7 = nullptr;
    QPushButton *m_command1 = nullptr;
    QPlainTextEdit *m_code = nullptr;
};

} // namespace vorlane
