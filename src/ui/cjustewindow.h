#pragma once

#include "core/exercises/correctpopup.h"

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;
class QTimer;

namespace vorlane {

// The timer of the correct-answer popup, injected so that tests tick it by
// hand: start calls `tick` every `intervalMs` until stop.
class PopupTimer {
public:
    virtual ~PopupTimer() = default;
    virtual void start(int intervalMs, std::function<void()> tick) = 0;
    virtual void stop() = 0;
};

// The popup `Cjuste`: "Réponse exacte" and a picture that blinks on the
// timer; it closes itself after three ticks. Shown modally by the test window.
class CjusteWindow final : public QDialog {
    Q_OBJECT
public:
    // Without a timer, a QTimer of the popup's own is used.
    explicit CjusteWindow(QWidget *parent, std::unique_ptr<PopupTimer> timer = nullptr);
    ~CjusteWindow() override;

    // Shows the popup modally; returns when it has closed itself.
    void run();
    const CorrectPopup &popup() const { return m_popup; }
    // Which picture `Image3` shows (1 or 2).
    int pictureShown() const { return m_popup.showsSecond() ? 2 : 1; }

private:
    void tick();
    void showPicture();

    CorrectPopup m_popup;
    std::unique_ptr<PopupTimer> m_timer;
    QLabel *m_label3 = nullptr;
    QLabel *m_image3 = nullptr;
    QPixmap m_image1;
    QPixmap m_image2;
};

} // namespace vorlane
