#include "core/exercises/exerciseflow.h"

#include "core/exercises/answercheck.h"
#include "core/exercises/exercisescore.h"
#include "core/exercises/teststrip.h"
#include "core/render/pagerenderer.h"
#include "core/text/decimal.h"
#include "core/text/int16.h"

namespace vorlane {

namespace {
// Height of the question area before a question is drawn, in twips.
constexpr double kQuestionAreaTwips = 4575;

bool hasSlot(int q)
{
    return q >= 0 && q < ExerciseState::kSlots;
}
} // namespace

ExerciseFlow::ExerciseFlow(ExerciseState &state, RenderState &render, RenderHost &host,
                           TestControls &controls, TestDatabase &database, Prompts &prompts,
                           ExerciseView &view)
    : m_state(state), m_render(render), m_host(host), m_controls(controls), m_database(database),
      m_prompts(prompts), m_view(view)
{
}

void ExerciseFlow::load()
{
    misanet();
    m_view.controlsChanged();
    if (const std::optional<QString> title = m_database.loadDescription(m_state)) {
        m_title = *title;
        m_view.setTitle(m_title);
    }
    // The score controls show from the first validation on, also when the
    // test is reopened after answers were given.
    if (m_state.answeredCount() > 0)
        setScoreVisible(true);
}

void ExerciseFlow::tritexte()
{
    const int current = m_state.currentQuestion;
    const int count = m_state.questionCount;
    m_view.placeFace(current, count);
    m_view.setNavigation(current != 1, current != count);
    m_view.setQuestionLabel(ExerciseScore::questionLabel(current, count));
    m_database.findQuestion(m_state);
    m_code = m_database.question();
    majquest();
}

void ExerciseFlow::majquest()
{
    DrawingSurface *surface = m_view.questionSurface();
    if (surface)
        surface->clear();
    m_render.pageHeight = 0;
    misanet();
    if (surface)
        surface->setHeight(kQuestionAreaTwips / surface->twipsPerPixelY());
    const int status = m_state.status(m_state.currentQuestion);
    QString body = m_code;
    if (status == -1)
        body = m_code + m_database.siFaux();
    if (surface) {
        PageRenderer renderer(m_render, m_host);
        renderer.setSurface(surface);
        renderer.RenderPageText(body);
    }
    if (status != 0) {
        setValidateVisible(false);
        dejarepondu();
    } else {
        setValidateVisible(true);
    }
    m_view.controlsChanged();
}

void ExerciseFlow::misanet()
{
    m_controls.reset();
}

void ExerciseFlow::dejarepondu()
{
    const QString solution = m_database.solution();
    const int q = m_state.currentQuestion;
    const QString given = hasSlot(q) ? m_state.givenAnswer[std::size_t(q)] : QString();
    const int type = m_database.type();
    if (type == 1 || type == 2) {
        DrawingSurface *surface = m_view.questionSurface();
        auto &elements = m_controls.array(type == 1 ? TestControls::Kind::Check : TestControls::Kind::Option);
        for (int i = 0; i < TestControls::kElements; ++i) {
            TestControl &c = elements[std::size_t(i)];
            c.enabled = false;
            if (c.visible && surface) {
                const bool inSolution = solution.mid(i, 1) != u"0";
                if (const std::optional<Picture> mark = m_view.markPicture(inSolution))
                    surface->paintPicture(*mark, 60, c.top - 15);
            }
            c.value = given.mid(i, 1) == u"1";
        }
    } else if (type == 3) {
        m_controls.text1.enabled = false;
        m_controls.text1Text = given;
    }
}

bool ExerciseFlow::prochainval()
{
    const int count = std::min<int>(m_state.questionCount, ExerciseState::kSlots - 1);
    int found = 0;
    for (int q = m_state.currentQuestion + 1; q <= count && found == 0; ++q) {
        if (q >= 1 && m_state.status(q) == 0)
            found = q;
    }
    for (int q = 1; q <= count && found == 0; ++q) {
        if (m_state.status(q) == 0)
            found = q;
    }
    if (found == 0 || found == m_state.currentQuestion)
        return false;
    m_state.currentQuestion = std::int16_t(found);
    tritexte();
    return true;
}

void ExerciseFlow::previous()
{
    if (m_state.currentQuestion >= 2) {
        --m_state.currentQuestion;
        tritexte();
    }
}

void ExerciseFlow::next()
{
    if (m_state.currentQuestion <= m_state.questionCount - 1) {
        ++m_state.currentQuestion;
        tritexte();
    }
}

void ExerciseFlow::stripReleased(double y, double innerHeight)
{
    m_state.currentQuestion = std::int16_t(TestStrip::questionAt(y, innerHeight, m_state.questionCount));
    tritexte();
}

void ExerciseFlow::validate()
{
    if (!m_scoreVisible)
        setScoreVisible(true);
    setValidateVisible(false);
    bool result = false;
    const int q = m_state.currentQuestion;
    const int type = m_database.type();
    const auto record = [&](const QString &answer) {
        if (hasSlot(q))
            m_state.givenAnswer[std::size_t(q)] = answer;
    };
    if (type == 1 || type == 2) {
        const auto &elements =
            m_controls.array(type == 1 ? TestControls::Kind::Check : TestControls::Kind::Option);
        std::array<bool, 5> ticked{};
        for (std::size_t i = 0; i < ticked.size(); ++i)
            ticked[i] = elements[i].value;
        const QString pattern = AnswerCheck::AnswerPattern(ticked);
        record(pattern);
        result = pattern == m_database.solution();
    } else if (type == 3) {
        record(m_controls.text1Text);
        result = castexte();
    }
    if (!hasSlot(q))
        return; // no slot to record the status in: nothing more happens
    if (result) {
        m_state.questionStatus[std::size_t(q)] = 1;
        m_view.repaintStrip();
        m_view.showCorrectPopup();
        // The popup was modal: back in the window, the question is shown again.
        tritexte();
        affsmile();
        prochainval();
    } else {
        m_state.questionStatus[std::size_t(q)] = -1;
        m_view.repaintStrip();
        affsmile();
        majquest();
    }
}

bool ExerciseFlow::castexte() const
{
    return AnswerCheck::castexte(m_controls.text1Text, m_database.solution());
}

void ExerciseFlow::affsmile()
{
    const int answered = m_state.answeredCount();
    if (answered == 0)
        return;
    m_face = ExerciseScore::faceNumber(m_state.rightCount(), answered);
    m_view.showFace(m_face);
    if (answered == m_state.questionCount)
        showScore();
}

void ExerciseFlow::showScore()
{
    m_prompts.ask(ExerciseScore::scoreMessage(m_state));
}

void ExerciseFlow::leaveFor(const QString &tag)
{
    m_state.exerciseReturnPage = 0;
    AssignInt16(m_state.exerciseReturnPage, DecimalRead(tag));
    m_view.closeWindow();
}

void ExerciseFlow::followLink()
{
    leaveFor(m_controls.labelTag);
}

void ExerciseFlow::followVideo()
{
    leaveFor(m_controls.videoTag);
}

bool ExerciseFlow::close()
{
    if (m_state.answeredCount() != m_state.questionCount) {
        const Message question{QStringLiteral("Voulez-vous vraiment abandonner le test?"),
                               QStringLiteral("Fermer"), MessageIcon::Question, MessageButtons::YesNo};
        if (m_prompts.ask(question) != MessageAnswer::Yes)
            return false;
    }
    m_state.clear();
    m_view.closeWindow();
    return true;
}

void ExerciseFlow::calculator()
{
    m_view.openCalculator();
    tritexte();
}

void ExerciseFlow::enterInText()
{
    if (m_validateVisible)
        validate();
}

int ExerciseFlow::stripCount()
{
    if (m_state.questionCount == 0)
        m_state.questionCount = 2;
    return m_state.questionCount;
}

void ExerciseFlow::setValidateVisible(bool visible)
{
    m_validateVisible = visible;
    m_view.setValidateVisible(visible);
}

void ExerciseFlow::setScoreVisible(bool visible)
{
    m_scoreVisible = visible;
    m_view.setScoreVisible(visible);
}

} // namespace vorlane
