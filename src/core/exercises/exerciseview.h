#pragma once

#include "core/surface/drawingsurface.h"

#include <QString>
#include <optional>

namespace vorlane {

// The window side of the test flow: the controls of the test window `exo`
// that the flow shows, hides and fills. Every operation is a plain display
// step; the behaviour is the flow's (ExerciseFlow).
class ExerciseView {
public:
    virtual ~ExerciseView() = default;

    // `Label2`: the title of the test.
    virtual void setTitle(const QString &title) = 0;
    // `noa`: "Question 3 / 12 :".
    virtual void setQuestionLabel(const QString &text) = 0;
    // The previous (`Command3`) and next (`command4`) buttons.
    virtual void setNavigation(bool previousVisible, bool nextVisible) = 0;
    // Places the face `Image4` on the band of question `current` of `count`
    // (TestStrip::faceLeft / faceTop in the strip's units).
    virtual void placeFace(int current, int count) = 0;
    // `Image4` shows face n (1 worst .. 7 best) of the image list `smile`.
    virtual void showFace(int face) = 0;
    // `command5` and `Label3` ("Valider la réponse").
    virtual void setValidateVisible(bool visible) = 0;
    // `command6` and `Label5` (the score).
    virtual void setScoreVisible(bool visible) = 0;
    // The question strip `Picture1` is painted again.
    virtual void repaintStrip() = 0;
    // The answer controls follow the flow's TestControls (after misanet, a
    // question drawn, a recorded answer shown).
    virtual void controlsChanged() = 0;
    // Shows the correct-answer popup `Cjuste` modally; returns once it has
    // closed (about 1.5 s later).
    virtual void showCorrectPopup() = 0;
    // `Picture2`, the surface the question is drawn on; nullptr when there is
    // none (nothing is drawn).
    virtual DrawingSurface *questionSurface() = 0;
    // The mark drawn beside an answer control of an answered question:
    // `Image3` for a control that is part of the solution, `Image5` for one
    // that is not.
    virtual std::optional<Picture> markPicture(bool inSolution) = 0;
    // The calculator, shown modally; returns once it has closed.
    virtual void openCalculator() = 0;
    // Unloads the window (the modal display returns).
    virtual void closeWindow() = 0;
};

} // namespace vorlane
