#include "core/app/coursewindowtable.h"
#include "core/render/surfacenames.h"
#include "testsupport.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace Qt::StringLiterals;

namespace {

struct TableCase {
    const char *name;
    const char *toolTip; // nullptr: none
    const char *caption; // nullptr: none
};

void PrintTo(const TableCase &c, std::ostream *os)
{
    *os << c.name;
}

class CourseWindowControlTest : public ::testing::TestWithParam<TableCase> {};

// The texts of the controls as the window shows them.
TEST_P(CourseWindowControlTest, CarriesItsToolTipAndCaption)
{
    const TableCase c = GetParam();
    const ControlEntry *entry = CourseWindowTable::find(QString::fromUtf8(c.name));
    ASSERT_NE(entry, nullptr) << c.name;
    EXPECT_EQ(entry->toolTip, c.toolTip ? QString::fromUtf8(c.toolTip) : QString()) << c.name;
    EXPECT_EQ(entry->caption, c.caption ? QString::fromUtf8(c.caption) : QString()) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Table, CourseWindowControlTest,
    ::testing::Values(
        TableCase{"avant", "Page précédente", nullptr}, TableCase{"apres", "Page suivante", nullptr},
        TableCase{"avantcours", "Page précédente dans ce chapitre", nullptr},
        TableCase{"suite", "Page suivante dans ce chapitre", nullptr},
        TableCase{"Command2", "Afficher le sommaire général", "Accueil"},
        TableCase{"command6", "Sommaire physique", "Physique"},
        TableCase{"command5", "Sommaire chimie", "Chimie"}, TableCase{"Command13", nullptr, "C&rédits"},
        TableCase{"command4", "Moteur de recherche", nullptr},
        TableCase{"Command3", "Machine à calculer", nullptr},
        TableCase{"CommandIMPRIME", "Imprimer ou configurer l'imprimante", nullptr},
        TableCase{"Command8", "Actualiser le logiciel", nullptr},
        TableCase{"Command12", "Connexion au site web de l'éditeur", nullptr},
        TableCase{"Command10", "Aide pour utiliser le logiciel", nullptr},
        TableCase{"Command14", "Quitter l'application", "&Quitter"},
        TableCase{"btexo", "Retrouver le test", nullptr}, TableCase{"Label16", nullptr, "Retrouver le test"},
        TableCase{"Framebase", nullptr, "Base de données"}, TableCase{"Checkmot", nullptr, "Checkmot"},
        TableCase{"titre", nullptr, nullptr}, TableCase{"bastitre", nullptr, nullptr},
        TableCase{"frame1s", nullptr, nullptr}, TableCase{"PictureTEXTE", nullptr, nullptr},
        TableCase{"VScroll1", nullptr, nullptr}, TableCase{"PICTUREILLUS", nullptr, nullptr},
        TableCase{"labelvorlane", nullptr, nullptr}, TableCase{"label15", nullptr, nullptr},
        TableCase{"Textitre", nullptr, nullptr}, TableCase{"code", nullptr, nullptr}),
    [](const ::testing::TestParamInfo<TableCase> &info) { return std::string(info.param.name); });

TEST(CourseWindowTableTest, NamesAreUniqueExceptTheFieldLabelsAndParentsComeFirst)
{
    QSet<QString> seen;
    for (const ControlEntry &c : CourseWindowTable::controls()) {
        if (!c.parent.isEmpty()) {
            EXPECT_TRUE(seen.contains(c.parent)) << c.name.toStdString() << " before its parent";
        }
        if (c.name != u"LabelW") {
            EXPECT_FALSE(seen.contains(c.name)) << c.name.toStdString() << " twice";
        }
        seen.insert(c.name);
    }
    EXPECT_EQ(CourseWindowTable::find(u"nothing"_s), nullptr);
}

TEST(CourseWindowTableTest, ControlsOfTheWindowAndOfItsBandsStayInsideThem)
{
    const QRect window(0, 0, CourseWindowTable::kWidth, CourseWindowTable::kHeight);
    const QRect bottomBand = CourseWindowTable::find(SurfaceNames::bottomBand.toString())->rect;
    int onTheBand = 0;
    for (const ControlEntry &c : CourseWindowTable::controls()) {
        if (c.parent.isEmpty() || c.parent == u"barre") {
            EXPECT_TRUE(window.contains(c.rect)) << c.name.toStdString();
        } else if (c.parent == SurfaceNames::bottomBand) {
            EXPECT_TRUE(QRect(QPoint(0, 0), bottomBand.size()).contains(c.rect)) << c.name.toStdString();
            ++onTheBand;
        }
    }
    EXPECT_EQ(onTheBand, 7); // the five band buttons, the way back to a test and its label
}

TEST(CourseWindowTableTest, PageAreaSitsBetweenTheBandsAgainstTheRightEdge)
{
    const auto rect = [](QStringView name) { return CourseWindowTable::find(name.toString())->rect; };
    const QRect titre = rect(SurfaceNames::titleBand);
    const QRect bastitre = rect(SurfaceNames::bottomBand);
    const QRect frame = rect(u"frame1s");
    EXPECT_EQ(titre, QRect(0, 40, 800, 60)); // under the 40-pixel tool bar
    EXPECT_EQ(bastitre, QRect(0, 570, 800, 30));
    EXPECT_EQ(frame.top(), titre.bottom() + 1);
    EXPECT_EQ(frame.bottom() + 1, bastitre.top());
    EXPECT_EQ(frame.right() + 1, 800);
    // The frame holds the 600-pixel body and the 16-pixel scroll bar beside it.
    EXPECT_EQ(rect(SurfaceNames::body), QRect(0, 0, 600, 1000));
    EXPECT_EQ(rect(u"VScroll1"), QRect(600, 0, 16, frame.height()));
    EXPECT_EQ(frame.width(), 616);
    // The 180 x 420 illustration is centred on the frame's height, 2 pixels in.
    const QRect illus = rect(SurfaceNames::illustration);
    EXPECT_EQ(illus.size(), QSize(180, CourseWindowTable::kIllustrationHeight));
    EXPECT_EQ(illus.topLeft(), QPoint(2, 100 + (470 - 420) / 2));
}

TEST(CourseWindowTableTest, InitialStates)
{
    const auto entry = [](const char *name) { return *CourseWindowTable::find(QString::fromLatin1(name)); };
    for (const char *name : {"avant", "apres"}) {
        EXPECT_FALSE(entry(name).enabled) << name;
        EXPECT_TRUE(entry(name).visible) << name;
    }
    for (const char *name :
         {"avantcours", "suite", "btexo", "Label16", "VScroll1", "label15", "Framebase", "labelvorlane"}) {
        EXPECT_FALSE(entry(name).visible) << name;
    }
    for (const char *name :
         {"Command2", "command6", "Command3", "CommandIMPRIME", "Command14", "Command13"}) {
        EXPECT_TRUE(entry(name).visible && entry(name).enabled) << name;
    }
    EXPECT_EQ(entry("Command2").kind, ControlKind::ToolButton);
    EXPECT_EQ(entry("Command2").parent, u"barre");
    EXPECT_EQ(entry("Command13").kind, ControlKind::BandButton);
    EXPECT_EQ(entry("Command13").parent, SurfaceNames::bottomBand);
    EXPECT_EQ(entry("Textitre").parent, u"Framebase");
}

struct TargetCase {
    const char *button;
    const char *target; // nullptr: the click does not navigate
};

void PrintTo(const TargetCase &c, std::ostream *os)
{
    *os << c.button;
}

class ButtonTargetTest : public ::testing::TestWithParam<TargetCase> {};

TEST_P(ButtonTargetTest, HandsItsTargetToTheDispatcher)
{
    const TargetCase c = GetParam();
    const ControlEntry *entry = CourseWindowTable::find(QString::fromLatin1(c.button));
    ASSERT_NE(entry, nullptr);
    const std::optional<QString> target = CourseWindowTable::navigationTarget(*entry, u"PA0044"_s);
    if (c.target) {
        EXPECT_EQ(target, QString::fromLatin1(c.target));
    } else {
        EXPECT_FALSE(target.has_value()) << target.value_or(QString()).toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Buttons, ButtonTargetTest,
                         ::testing::Values(TargetCase{"command6", "PAG028"}, TargetCase{"command5", "PAG030"},
                                           TargetCase{"Command13", "PAG161"},
                                           TargetCase{"Command12", "EXE070"},
                                           // The contents button goes where the page on display says.
                                           TargetCase{"Command2", "PA0044"}, TargetCase{"avant", nullptr},
                                           TargetCase{"apres", nullptr}, TargetCase{"avantcours", nullptr},
                                           TargetCase{"suite", nullptr}, TargetCase{"Command3", nullptr},
                                           TargetCase{"Command10", nullptr}, TargetCase{"Command8", nullptr},
                                           TargetCase{"Command14", nullptr}, TargetCase{"command4", nullptr},
                                           TargetCase{"CommandIMPRIME", nullptr}),
                         [](const ::testing::TestParamInfo<TargetCase> &info) {
                             return std::string(info.param.button);
                         });

TEST(CourseWindowTableTest, EveryButtonHasACommandAndTheOtherControlsNone)
{
    for (const ControlEntry &c : CourseWindowTable::controls()) {
        const bool button = c.kind == ControlKind::ToolButton || c.kind == ControlKind::BandButton;
        EXPECT_EQ(c.command != int(CourseCommand::None), button) << c.name.toStdString();
        EXPECT_EQ(!c.target.isEmpty(), c.command == int(CourseCommand::Navigate)) << c.name.toStdString();
        if (button) {
            EXPECT_TRUE(c.glyph.has_value()) << c.name.toStdString();
        }
    }
}

TEST(CourseWindowTableTest, ChapterStepsAskForTheNeighbouringIndex)
{
    EXPECT_EQ(CourseWindowTable::chapterStepOrder(CourseCommand::ChapterPrevious, 12), 11.0);
    EXPECT_EQ(CourseWindowTable::chapterStepOrder(CourseCommand::ChapterNext, 12), 13.0);
    EXPECT_EQ(CourseWindowTable::chapterStepOrder(CourseCommand::ChapterPrevious, 0), -1.0);
    // No overflow at the top of the Index range.
    EXPECT_EQ(CourseWindowTable::chapterStepOrder(CourseCommand::ChapterNext, 2147483647), 2147483648.0);
    EXPECT_FALSE(CourseWindowTable::chapterStepOrder(CourseCommand::Back, 12).has_value());
    EXPECT_FALSE(CourseWindowTable::chapterStepOrder(CourseCommand::Navigate, 12).has_value());
}

} // namespace
