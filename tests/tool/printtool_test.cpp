#include "print/pdfpages.h"
#include "print/printcourse.h"
#include "testsupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane::testing;

namespace {

const QString kTitle = QStringLiteral("Vorlane - Physique et Chimie Terminale S - Dorvance 2026");

class PrintToolTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        QString error;
        ASSERT_TRUE(writePrintCourse(dir.path(), &error)) << error.toStdString();
    }
    QString pdf() const { return dir.filePath(QStringLiteral("out.pdf")); }
    ToolRun print(int page)
    {
        return runTool({QStringLiteral("print"), QStringLiteral("--course"), dir.path(),
                        QStringLiteral("--page"), QString::number(page), QStringLiteral("--pdf"), pdf()});
    }
    QTemporaryDir dir;
};

TEST_F(PrintToolTest, PrintsThePagesRunWithOrientationsAndFooters)
{
    struct Case {
        int page;
        std::vector<bool> landscape; // per sheet
    };
    for (const Case &c :
         {Case{1, {false}}, Case{4, {false, false, false}}, Case{5, {false, true, false}}, Case{6, {true}}}) {
        SCOPED_TRACE(c.page);
        QFile::remove(pdf());
        const ToolRun run = print(c.page);
        ASSERT_EQ(run.code, 0) << run.err.toStdString();
        EXPECT_TRUE(run.out.isEmpty());
        const auto sizes = pdfPageSizes(pdf());
        ASSERT_EQ(sizes.size(), c.landscape.size());
        for (size_t k = 0; k < sizes.size(); ++k) {
            EXPECT_EQ(sizes[k].width() > sizes[k].height(), c.landscape[k]) << k;
            const QString footer = pdfPageLines(pdf(), int(k + 1)).last();
            EXPECT_EQ(footer,
                      c.landscape.size() == 1 ? kTitle : kTitle + QStringLiteral(" - page %1").arg(k + 1));
        }
    }
}

TEST_F(PrintToolTest, PrintsAPageThatIsNotMarkedPrintable)
{
    const ToolRun run = print(9);
    ASSERT_EQ(run.code, 0) << run.err.toStdString();
    ASSERT_EQ(pdfPageSizes(pdf()).size(), 1u);
    EXPECT_EQ(pdfPageLines(pdf(), 1).first(), u"Corps de la page 9");
}

TEST_F(PrintToolTest, NothingToPrintWritesNoFileAndSaysSo)
{
    const ToolRun run = print(8);
    EXPECT_EQ(run.code, 0);
    EXPECT_TRUE(run.out.isEmpty());
    EXPECT_TRUE(run.err.contains(QString::fromUtf8("Il n'y a rien à imprimer depuis cette page.")))
        << run.err.toStdString();
    EXPECT_TRUE(run.err.contains(pdf()));
    EXPECT_FALSE(QFile::exists(pdf()));
}

TEST_F(PrintToolTest, RefusesWhatItCannotUse)
{
    struct Case {
        QStringList args;
        int code;
    };
    const QString course = dir.path();
    const QString out = pdf();
    const Case cases[] = {
        {{QStringLiteral("--course"), course, QStringLiteral("--page"), QStringLiteral("2")}, 2}, // no --pdf
        {{QStringLiteral("--course"), course, QStringLiteral("--pdf"), out}, 2},                  // no --page
        {{QStringLiteral("--page"), QStringLiteral("2"), QStringLiteral("--pdf"), out}, 2}, // no --course
        {{QStringLiteral("--course"), course, QStringLiteral("--page"), QStringLiteral("deux"),
          QStringLiteral("--pdf"), out},
         2},
        {{QStringLiteral("--course"), course + QStringLiteral("/absent"), QStringLiteral("--page"),
          QStringLiteral("2"), QStringLiteral("--pdf"), out},
         1},
        {{QStringLiteral("--course"), course, QStringLiteral("--page"), QStringLiteral("2"),
          QStringLiteral("--pdf"), course + QStringLiteral("/absent/out.pdf")},
         1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.args.join(u' ').toStdString());
        const ToolRun run = runTool(QStringList{QStringLiteral("print")} + c.args);
        EXPECT_EQ(run.code, c.code);
        EXPECT_FALSE(run.err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(pdf()));
}

} // namespace
