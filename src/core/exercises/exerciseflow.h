#pragma once

#include "core/exercises/exercisestate.h"
#include "core/exercises/exerciseview.h"
#include "core/exercises/testdatabase.h"
#include "core/platform/prompts.h"
#include "core/render/renderhost.h"
#include "core/render/renderstate.h"
#include "core/render/testcontrols.h"

#include <QString>

namespace vorlane {

// What the test window does, without the window: one chapter test taken
// question by question over the test database, with the shared progress of
// ExerciseState. The window (or a test) calls these operations on the user's
// events and shows what the flow asks of its ExerciseView; a whole test can
// so be taken without widgets.
//
// The question is drawn by the page renderer on the view's question surface,
// with `host` as its RenderHost: the host's testControls() must be
// `controls`, which the EXO commands of the markup fill.
class ExerciseFlow {
public:
    ExerciseFlow(ExerciseState &state, RenderState &render, RenderHost &host, TestControls &controls,
                 TestDatabase &database, Prompts &prompts, ExerciseView &view);

    // Opening: misanet, then the description of the pending test (title,
    // question count, current question kept or 1) and its questions.
    void load();
    // The first showing and every return to the window after a modal child
    // (popup, calculator): tritexte.
    void activate() { tritexte(); }

    // Positions on the current question and draws it: face, previous / next
    // buttons, "Question n / N :", the Contenu row, majquest.
    void tritexte();
    // Draws the current question on the question surface (its explanation
    // after it when it was answered wrongly); an answered question is shown
    // read-only with its recorded answer and marks.
    void majquest();
    // Every answer control hidden, emptied and enabled.
    void misanet();
    // Shows the recorded answer of the current (answered) question.
    void dejarepondu();
    // The next unanswered question after the current one, else the first
    // unanswered one, becomes current and is shown. False (nothing changes)
    // when there is none other than the current question.
    bool prochainval();

    // Previous / next question (a release inside the button).
    void previous();
    void next();
    // A release at height y on the strip `innerHeight` high.
    void stripReleased(double y, double innerHeight);
    // True when a release at (x, y) lies in a w x h button.
    static bool releasedInside(double x, double y, double w, double h)
    {
        return x >= 0 && x <= w && y >= 0 && y <= h;
    }

    // Records and judges the answer of the current question.
    void validate();
    // Judges the typed answer of the current question.
    bool castexte() const;
    // The face after a validation; the score once every question is answered.
    void affsmile();
    // The score message.
    void showScore();

    // Leaving for the course page of the link (`Labelien`, `Image1`) or of the
    // video icon; the test stays in progress.
    void followLink();
    void followVideo();
    // The close button: asks "Voulez-vous vraiment abandonner le test?" while
    // questions are left; Yes (or nothing left) ends the test and closes the
    // window. True when the window closed.
    bool close();
    // The calculator button.
    void calculator();

    // A key typed in Text1: "." is entered as ",".
    static QChar typedKey(QChar key) { return key == u'.' ? u',' : key; }
    // Enter in Text1 validates while the validate button is shown.
    void enterInText();

    // The markup drawn for the current question (`code`).
    const QString &code() const { return m_code; }
    // The authoring switch back to the drawing: the edited markup becomes the
    // question's and is drawn.
    void drawEdited(const QString &markup)
    {
        m_code = markup;
        majquest();
    }
    // The strip's question count: 0 is taken as 2 (and kept).
    int stripCount();
    bool validateVisible() const { return m_validateVisible; }
    bool scoreVisible() const { return m_scoreVisible; }
    int face() const { return m_face; }
    const QString &title() const { return m_title; }
    TestControls &controls() { return m_controls; }
    TestDatabase &database() { return m_database; }
    ExerciseState &state() { return m_state; }

private:
    void setValidateVisible(bool visible);
    void setScoreVisible(bool visible);
    void leaveFor(const QString &tag);

    ExerciseState &m_state;
    RenderState &m_render;
    RenderHost &m_host;
    TestControls &m_controls;
    TestDatabase &m_database;
    Prompts &m_prompts;
    ExerciseView &m_view;
    QString m_code;
    QString m_title;
    bool m_validateVisible = false;
    bool m_scoreVisible = false;
    int m_face = 0;
};

} // namespace vorlane
