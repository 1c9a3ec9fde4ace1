#include "ui/cjustewindow.h"

#include "ui/exopictures.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QTimer>

namespace vorlane {

namespace {

class QtPopupTimer final : public PopupTimer {
public:
    void start(int intervalMs, std::function<void()> tick) override
    {
        m_timer.disconnect();
        QObject::connect(&m_timer, &QTimer::timeout, std::move(tick));
        m_timer.start(intervalMs);
    }
    void stop() override { m_timer.stop(); }

private:
    QTimer m_timer;
};

} // namespace

CjusteWindow::CjusteWindow(QWidget *parent, std::unique_ptr<PopupTimer> timer)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint), m_timer(std::move(timer))
{
    if (!m_timer)
        m_timer = std::make_unique<QtPopupTimer>();
    setObjectName(QStringLiteral("Cjuste"));
    setWindowTitle(QString::fromUtf8("Réponse exacte"));
    setStyleSheet(QStringLiteral("#Cjuste { background: #fffbe0; border: 2px solid #2f7d32; }"
                                 "#Label3 { color: #1f5e22; font: bold 16pt 'Arial'; }"));
    m_image1 = QPixmap::fromImage(ExoPictures::blink(1, 40));
    m_image2 = QPixmap::fromImage(ExoPictures::blink(2, 40));
    m_image3 = new QLabel(this);
    m_image3->setObjectName(QStringLiteral("Image3"));
    m_image3->setFixedSize(40, 40);
    m_label3 = new QLabel(QString::fromUtf8("Réponse exacte"), this);
    m_label3->setObjectName(QStringLiteral("Label3"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(18, 12, 22, 12);
    layout->setSpacing(12);
    layout->addWidget(m_image3);
    layout->addWidget(m_label3);
    showPicture();
}

CjusteWindow::~CjusteWindow() = default;

void CjusteWindow::run()
{
    m_popup.activate();
    showPicture();
    m_timer->start(CorrectPopup::kIntervalMs, [this] { tick(); });
    exec();
    m_timer->stop();
}

void CjusteWindow::tick()
{
    const bool done = m_popup.tick();
    showPicture();
    if (done) {
        m_timer->stop();
        accept();
    }
}

void CjusteWindow::showPicture()
{
    m_image3->setPixmap(m_popup.showsSecond() ? m_image2 : m_image1);
}

} // namespace vorlane
