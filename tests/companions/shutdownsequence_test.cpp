// The order of the shutdown steps.

#include "core/app/shutdownsequence.h"
#include "fakes/fakeplatform.h"

#include <QStringList>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

class RecordingHost final : public ShutdownHost {
public:
    void storePendingEdits() override { steps << u"store"_s; }
    bool isMinimized() const override { return minimized; }
    void restoreNormal() override
    {
        steps << u"restore"_s;
        minimized = false;
    }
    void closeMedia() override { steps << u"media"_s; }
    void runClosingWindow() override
    {
        steps << u"fermeur"_s;
        if (onClosingWindow)
            onClosingWindow();
    }
    void unloadWindows() override { steps << u"unload"_s; }
    void endProgram() override { steps << u"end"_s; }

    bool minimized = false;
    QStringList steps;
    std::function<void()> onClosingWindow;
};

TEST(ShutdownSequence, CancelOnlyStoresPendingEdits)
{
    FakePrompts prompts;
    RecordingHost host;
    ShutdownSequence sequence(prompts, host);
    prompts.answers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(sequence.requestClose());
    EXPECT_EQ(host.steps, QStringList{u"store"_s});
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, u"Attention: sortie du logiciel."_s);
    EXPECT_EQ(prompts.asked[0].title, u"Quitter"_s);
    EXPECT_EQ(prompts.asked[0].icon, MessageIcon::Question);
    EXPECT_EQ(prompts.asked[0].buttons, MessageButtons::OkCancel);
    // The question is asked again on the next request.
    prompts.answers.push_back(MessageAnswer::Cancel);
    EXPECT_FALSE(sequence.requestClose());
    EXPECT_EQ(prompts.asked.size(), 2);
}

TEST(ShutdownSequence, OkRunsEveryStepInOrder)
{
    const struct {
        bool minimized;
        QStringList steps;
    } cases[] = {
        {false, {u"store"_s, u"media"_s, u"fermeur"_s, u"media"_s, u"unload"_s, u"end"_s}},
        {true, {u"store"_s, u"restore"_s, u"media"_s, u"fermeur"_s, u"media"_s, u"unload"_s, u"end"_s}},
    };
    for (const auto &c : cases) {
        FakePrompts prompts;
        RecordingHost host;
        host.minimized = c.minimized;
        ShutdownSequence sequence(prompts, host);
        prompts.answers.push_back(MessageAnswer::Ok);
        EXPECT_TRUE(sequence.requestClose());
        EXPECT_EQ(host.steps, c.steps) << host.steps.join(u' ').toStdString();
    }
}

TEST(ShutdownSequence, ACloseRequestDuringTheShutdownIsIgnored)
{
    FakePrompts prompts;
    RecordingHost host;
    ShutdownSequence sequence(prompts, host);
    prompts.answers.push_back(MessageAnswer::Ok);
    bool nested = true;
    host.onClosingWindow = [&] { nested = sequence.requestClose(); };
    EXPECT_TRUE(sequence.requestClose());
    EXPECT_FALSE(nested);
    EXPECT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(host.steps.count(u"end"_s), 1);
}

} // namespace
