#include "core/render/markupsyntax.h"
#include "testsupport.h"

#include <gtest/gtest.h>

using namespace vorlane;

namespace {

TEST(MarkupSyntax, DocumentedFormsPass)
{
    for (const char *command : {"SI12",
                                "SI08",
                                "BOL1",
                                "ITA0",
                                "UND1",
                                "ALCE",
                                "PLOUF",
                                "C000",
                                "C015",
                                "CHAPEAU",
                                "TCH09",
                                "UP",
                                "TAB01020001",
                                "FEINCentre",
                                "FONT05",
                                "RELIEF108",
                                "SQD",
                                "DGFOND4",
                                "SQF2",
                                "SQF 1.5",
                                "ARCD",
                                "ARCF",
                                "VA1x",
                                "VE2AB",
                                "INDmax",
                                "EXP-1",
                                "POLY3-",
                                "POINT",
                                "LEWIS-05010",
                                "FLECHE",
                                "DECABAS",
                                "DECAH2DEF",
                                "DECLIG-0.5",
                                "FINTAB",
                                "FINTAX",
                                "FINTAC06",
                                "FINITAB",
                                "FTABRET",
                                "IJA05",
                                "IMAfig.png",
                                "IXAa b.gif",
                                "IHDEFschema.gif200100",
                                "OBJTIT",
                                "OBJTAILLE",
                                "POX020",
                                "PIX-10",
                                "PIY005",
                                "LARGEUR180600",
                                "RECT020010",
                                "FRACa#b",
                                "FRACa#b#c",
                                "INTER1.50",
                                "NUMERATEUR",
                                "DENOMINATEUR",
                                "FINFRAC",
                                "STAY",
                                "K001",
                                "K104",
                                "LIER1ligne",
                                "LIERTvoir#PA0042",
                                "LIERI05PA0028",
                                "LIERXaide#05PA0028",
                                "LIERF10",
                                "ADMENCours#PAG060",
                                "TITBAR",
                                "TITBARLes ondes",
                                "VIDEOchute.avi",
                                "EXOOP",
                                "EXOCK",
                                "EXOTX",
                                "EXOLIRevoir#68",
                                "EXOVIVoir#31"}) {
        EXPECT_EQ(MarkupSyntax::problem(QString::fromLatin1(command)), QString()) << command;
    }
}

TEST(MarkupSyntax, OtherCommandsAreReported)
{
    struct Case {
        const char *command;
        const char *words;
    };
    const Case cases[] = {
        {"CENTRE", "unknown command"}, // any C... sets the colour, but is no colour
        {"C16", "malformed"},          // two digits
        {"C016", "malformed"},         // no colour 16
        {"TAB0102001", "malformed"},   // seven digits
        {"TAB010200010", "malformed"}, // nine digits
        {"IHDEFfig.png20010", "picture size"},
        {"IHDEFfig.png", "picture size"},
        {"SI8", "malformed"},
        {"BOL1 ", "malformed"}, // trailing blank
        {"BOLD", "unknown command"},
        {"bol1", "unknown command"}, // tags are case-sensitive
        {"OBJILLUSTRATION", "malformed"},
        {"FONT09", "malformed"},
        {"DGFOND5", "malformed"},
        {"K005", "malformed"},
        {"FRACab", "malformed"}, // no "#"
        {"LIERTvoir", "malformed"},
        {"LIERTvoir#", "malformed"}, // a final "#" does not split
        {"LIERF1", "malformed"},
        {"EXOOPS", "unknown command"},
        {"POX20", "malformed"},
        {"INTER1.5", "malformed"},
        {"IND", "malformed"}, // no text
        {"ZZZ", "unknown command"},
        {"", "empty command"},
    };
    for (const Case &c : cases) {
        const QString problem = MarkupSyntax::problem(QString::fromLatin1(c.command));
        EXPECT_TRUE(problem.contains(QString::fromLatin1(c.words)))
            << c.command << ": " << problem.toStdString();
    }
}

TEST(MarkupSyntax, LinksAndTargets)
{
    const auto link = MarkupSyntax::link(u"LIERTvoir #2#PA0042");
    ASSERT_TRUE(link.has_value());
    EXPECT_EQ(link->target, QStringLiteral("PA0042"));
    EXPECT_FALSE(link->pageNumberOnly);
    EXPECT_EQ(MarkupSyntax::link(u"LIERI05PAG028")->target, QStringLiteral("PAG028"));
    EXPECT_EQ(MarkupSyntax::link(u"LIERXaide#05EXO003")->target, QStringLiteral("EXO003"));
    EXPECT_EQ(MarkupSyntax::link(u"ADMENCours#PA0060")->target, QStringLiteral("PA0060"));
    EXPECT_TRUE(MarkupSyntax::link(u"EXOLIRevoir#68")->pageNumberOnly);
    EXPECT_FALSE(MarkupSyntax::link(u"LIER1ligne").has_value());
    EXPECT_FALSE(MarkupSyntax::link(u"IXAfig.png").has_value());

    EXPECT_EQ(MarkupSyntax::readTarget(u"PA0042").page, 42);
    EXPECT_EQ(MarkupSyntax::readTarget(u"PAG001").page, 1);
    EXPECT_EQ(MarkupSyntax::readTarget(u"EXO012").test, 12);
    EXPECT_TRUE(MarkupSyntax::readTarget(u"EXE070").known);
    EXPECT_TRUE(MarkupSyntax::readTarget(u"BD2").known);
    EXPECT_FALSE(MarkupSyntax::readTarget(u"PA42").known);
    EXPECT_FALSE(MarkupSyntax::readTarget(u"page 42").known);

    EXPECT_EQ(MarkupSyntax::dataFile(u"IHDEFschema.gif200100"), QStringLiteral("schema.gif"));
    EXPECT_EQ(MarkupSyntax::dataFile(u"IMAa.png"), QStringLiteral("a.png"));
    EXPECT_EQ(MarkupSyntax::dataFile(u"VIDEOchute.avi"), QStringLiteral("chute.avi"));
    EXPECT_FALSE(MarkupSyntax::dataFile(u"IJA05").has_value());
}

} // namespace
