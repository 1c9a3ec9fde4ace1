#pragma once

#include "core/course/coursesources.h"
#include "core/exercises/exerciseflow.h"
#include "core/render/offscreenhost.h"
#include "core/surface/recordingsurface.h"
#include "core/surface/textmeasurer.h"
#include "core/surface/tracelog.h"
#include "fakes/fakeplatform.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace vorlane::testing {

// The window side of the flow, recorded: what is shown and how often.
class RecordingExerciseView final : public ExerciseView {
public:
    explicit RecordingExerciseView(TraceLog &log)
        : picture2(QStringLiteral("Picture2"), log, std::make_shared<TestMetrics>(), 600, 305)
    {
    }
    void setTitle(const QString &t) override { title = t; }
    void setQuestionLabel(const QString &t) override { noa = t; }
    void setNavigation(bool p, bool n) override
    {
        previousVisible = p;
        nextVisible = n;
    }
    void placeFace(int current, int count) override { facePlacedOn = {current, count}; }
    void showFace(int f) override { face = f; }
    void setValidateVisible(bool v) override { validateVisible = v; }
    void setScoreVisible(bool v) override { scoreVisible = v; }
    void repaintStrip() override { ++stripPaints; }
    void controlsChanged() override { ++controlSyncs; }
    void showCorrectPopup() override { ++popups; }
    DrawingSurface *questionSurface() override { return &picture2; }
    std::optional<Picture> markPicture(bool inSolution) override
    {
        QImage image(16, 16, QImage::Format_ARGB32);
        image.fill(Qt::white);
        return Picture{image, inSolution ? QStringLiteral("vrai") : QStringLiteral("faux")};
    }
    void openCalculator() override { ++calculators; }
    void closeWindow() override { ++closes; }

    RecordingSurface picture2;
    QString title, noa;
    bool previousVisible = false, nextVisible = false, validateVisible = false, scoreVisible = false;
    std::pair<int, int> facePlacedOn{0, 0};
    int face = 0, stripPaints = 0, controlSyncs = 0, popups = 0, calculators = 0, closes = 0;
};

// A question of a test source: markup lines are given without their CR LF.
inline TestQuestion question(int number, int type, const char *solution,
                             std::initializer_list<const char *> lines,
                             std::initializer_list<const char *> siFaux = {})
{
    const auto join = [](std::initializer_list<const char *> ls) {
        QString text;
        for (const char *l : ls)
            text += QString::fromUtf8(l) + QStringLiteral("\r\n");
        return text;
    };
    TestQuestion q;
    q.number = number;
    q.type = type;
    q.solution = QString::fromUtf8(solution);
    q.question = join(lines);
    q.siFaux = join(siFaux);
    return q;
}

inline ChapterTest chapterTest(int chapter, const char *title, int count, std::vector<TestQuestion> questions)
{
    ChapterTest t;
    t.source = QStringLiteral("test%1.test").arg(chapter);
    t.chapitre = chapter;
    t.titre = QString::fromUtf8(title);
    t.nbquest = count;
    t.questions = std::move(questions);
    return t;
}

// A course folder holding only tests, and a flow over it drawn on a recording
// surface with the test metrics.
class ExerciseFixture : public ::testing::Test {
protected:
    QTemporaryDir dir;
    TraceLog log;
    OffscreenHost host{&log};
    RenderState render;
    ExerciseState state;
    TestDatabase database;
    FakePrompts prompts;
    RecordingExerciseView view{log};
    std::unique_ptr<ExerciseFlow> flow;

    TestControls &controls() { return *host.testControls(); }

    void writeTests(std::vector<ChapterTest> tests)
    {
        CourseSources sources;
        sources.tests = std::move(tests);
        QString error;
        ASSERT_TRUE(WriteCourseDatabases(sources, dir.path(), &error)) << error.toStdString();
    }

    // Opens the window on the pending test: load, then the first activation.
    void open()
    {
        database.open(dir.path());
        flow = std::make_unique<ExerciseFlow>(state, render, host, controls(), database, prompts, view);
        flow->load();
        flow->activate();
    }

    // Texts printed on Picture2 since the log was last cleared, joined.
    QString printed() const
    {
        QString out;
        for (const QString &line : log.lines()) {
            if (line.contains(QStringLiteral("\"op\":\"print\""))) {
                const qsizetype at = line.indexOf(QStringLiteral("\"text\":\"")) + 8;
                out += line.mid(at, line.indexOf(u'"', at) - at);
            }
        }
        return out;
    }
    // Files of the pictures painted on Picture2 (the marks), with their y.
    QStringList marks() const
    {
        QStringList out;
        for (const QString &line : log.lines()) {
            if (line.contains(QStringLiteral("\"op\":\"picture\"")))
                out << line;
        }
        return out;
    }
};

} // namespace vorlane::testing
