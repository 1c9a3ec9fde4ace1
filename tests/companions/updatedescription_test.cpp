// Texts and checks of the update window and the update button.

#include "core/companions/companionpainting.h"
#include "core/companions/updatedescription.h"
#include "core/companions/updateinstaller.h"
#include "core/records/statefile.h"
#include "core/text/frenchdate.h"
#include "fakes/fakeplatform.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

using namespace vorlane;
using namespace vorlane::testing;
using namespace Qt::Literals::StringLiterals;

namespace {

struct VersionCase {
    const char *given;
    const char *shown;
};
void PrintTo(const VersionCase &c, std::ostream *os)
{
    *os << '"' << c.given << '"';
}

class VersionTextTest : public ::testing::TestWithParam<VersionCase> {};

TEST_P(VersionTextTest, ReadsThreeNumbers)
{
    EXPECT_EQ(VersionText(QString::fromLatin1(GetParam().given)).toStdString(), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(Versions, VersionTextTest,
                         ::testing::Values(VersionCase{"0.1", "0.1.0"}, VersionCase{"2", "2.0.0"},
                                           VersionCase{"1.2.3", "1.2.3"}, VersionCase{"1.2.3.4", "1.2.3"},
                                           VersionCase{"01.007.10", "1.7.10"}, VersionCase{"", "0.0.0"},
                                           VersionCase{"1.x.3", "1.0.3"}, VersionCase{" 3.4 ", "3.4.0"}));

TEST(UpdateDescription, TheProgramsVersionComesFromTheProject)
{
    // The project declares 0.1: the revision reads 0.
    EXPECT_EQ(ProgramVersionText(), u"0.1.0"_s);
}

TEST(UpdateDescription, DatesAreWrittenInFrench)
{
    const struct {
        QDate date;
        const char16_t *text;
    } cases[] = {
        {QDate(2026, 12, 8), u"08 décembre 2026"},
        {QDate(2001, 2, 1), u"01 février 2001"},
        {QDate(1999, 8, 31), u"31 août 1999"},
        {QDate(2024, 1, 15), u"15 janvier 2024"},
        {QDate(), u""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(FrenchLongDate(c.date), QString::fromUtf16(c.text)) << c.date.toString().toStdString();
}

TEST(UpdateDescription, LabelHoldsTheRecordsVersionAndDate)
{
    const QString label =
        UpdateLabelText(u"complète pour l'enseignant"_s, u"réseau"_s, u"0.1.0"_s, u"08 décembre 2026"_s);
    EXPECT_EQ(label, u"Descriptif du logiciel Vorlane installé :\r\n"
                     "\r\n"
                     "         Version : complète pour l'enseignant 0.1.0\r\n"
                     "         Date de création : 08 décembre 2026\r\n"
                     "         Type d'installation : réseau"_s);
}

TEST(UpdateDescription, TheButtonIsRefusedUnlessEveryFlagIsExactlyNon)
{
    QTemporaryDir dir;
    const StateFile state(dir.path());
    state.resetAtStartup();
    EXPECT_FALSE(UpdateRefusal(state).has_value());
    for (const QString &flag : {u"OUI"_s, u" NON"_s, u"non"_s, QString()}) {
        state.resetAtStartup();
        state.setModuleFlag(30, flag);
        const auto refusal = UpdateRefusal(state);
        ASSERT_TRUE(refusal.has_value()) << flag.toStdString();
        EXPECT_EQ(refusal->title, u"Mise à jour impossible"_s);
        EXPECT_EQ(refusal->icon, MessageIcon::Exclamation);
        EXPECT_EQ(refusal->text,
                  u"Pour effectuer une mise à jour, tous les modules du logiciel doivent être fermés"_s);
    }
}

TEST(UpdateBackdrop, FadesFromBlueToBlackDownTheWindow)
{
    EXPECT_EQ(UpdateBackdropColour(0, 300), QColor(0, 0, 255));
    EXPECT_EQ(UpdateBackdropColour(150, 300), QColor(0, 0, 127));
    EXPECT_EQ(UpdateBackdropColour(299, 300), QColor(0, 0, 0));
    QImage image(200, 100, QImage::Format_RGB32);
    image.fill(Qt::red);
    QPainter p(&image);
    PaintUpdateBackdrop(p, image.size());
    p.end();
    // Below the title, each row is one colour across the window.
    EXPECT_EQ(QColor(image.pixel(0, 60)), UpdateBackdropColour(60, 100));
    EXPECT_EQ(QColor(image.pixel(199, 99)), UpdateBackdropColour(99, 100));
    // The title is drawn in white somewhere near the top.
    bool white = false;
    for (int y = 0; y < 40 && !white; ++y) {
        for (int x = 0; x < 200 && !white; ++x)
            white = QColor(image.pixel(x, y)) == QColor(Qt::white);
    }
    EXPECT_TRUE(white);
    EXPECT_TRUE(UpdateTitleFont().bold());
    EXPECT_EQ(UpdateTitleFont().pointSize(), 18);
    EXPECT_EQ(UpdateTitleFont().families().value(0), u"DejaVu Sans"_s);
}

class UpdateInstallerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        folder = dir.path() + u'/';
        StateFile(folder).resetAtStartup();
        StateFile(folder).setIndexCacheState(u"VU"_s);
    }
    QString record34() const { return StateFile(folder).indexCacheState(); }

    QTemporaryDir dir;
    QString folder;
    FakeFiles files;
    FakeProcesses processes;
    FakePrompts prompts;
};

TEST_F(UpdateInstallerTest, EachProgramMarksTheIndexStaleAndStartsMaximised)
{
    files.paths = {folder + u"INSTALLTS.EXE"_s, folder + u"majts.exe"_s};
    for (auto program : {UpdateInstaller::Program::Install, UpdateInstaller::Program::Update}) {
        StateFile(folder).setIndexCacheState(u"VU"_s);
        processes.starts.clear();
        UpdateInstaller installer(folder, files, processes, prompts);
        EXPECT_EQ(installer.run(program), UpdateInstaller::Outcome::Started);
        EXPECT_EQ(record34(), u"VOIR"_s);
        ASSERT_EQ(processes.starts.size(), 1);
        EXPECT_EQ(processes.starts[0].show, WindowShow::MaximizedFocused);
    }
    EXPECT_EQ(processes.starts[0].program, folder + u"majts.exe"_s);
    EXPECT_TRUE(prompts.asked.isEmpty());
}

TEST_F(UpdateInstallerTest, AMissingProgramIsSaidAndRecord34StaysAsItWas)
{
    UpdateInstaller installer(folder, files, processes, prompts);
    EXPECT_EQ(installer.run(UpdateInstaller::Program::Install), UpdateInstaller::Outcome::Missing);
    EXPECT_EQ(installer.run(UpdateInstaller::Program::Update), UpdateInstaller::Outcome::Missing);
    EXPECT_EQ(record34(), u"VU"_s);
    EXPECT_TRUE(processes.starts.isEmpty());
    ASSERT_EQ(prompts.asked.size(), 2);
    EXPECT_EQ(prompts.asked[0].text,
              u"Le programme INSTALLTS.EXE est introuvable dans le dossier du logiciel."_s);
    EXPECT_EQ(prompts.asked[1].text,
              u"Le programme MAJTS.EXE est introuvable dans le dossier du logiciel."_s);
}

TEST_F(UpdateInstallerTest, AProgramThatCannotBeStartedIsSaid)
{
    files.paths = {folder + u"MAJTS.EXE"_s};
    processes.nextTask = 0;
    UpdateInstaller installer(folder, files, processes, prompts);
    EXPECT_EQ(installer.run(UpdateInstaller::Program::Update), UpdateInstaller::Outcome::Failed);
    ASSERT_EQ(prompts.asked.size(), 1);
    EXPECT_EQ(prompts.asked[0].text, u"Le programme MAJTS.EXE n'a pas pu être lancé."_s);
}

} // namespace
