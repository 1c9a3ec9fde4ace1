#include "core/app/startupchecks.h"
#include "core/course/coursesources.h"
#include "core/course/coursetable.h"
#include "core/course/pageindexloader.h"
#include "core/platform/files.h"
#include "core/print/courseprinter.h"
#include "core/render/offscreenhost.h"
#include "print/pdfpages.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;
using namespace vorlane::testing;

// The bundled course shows printing too: a landscape page inside a printable
// run, and every run within the course.
TEST(BundledCoursePrinting, HasALandscapePageInsideAPrintableRun)
{
    const auto sources = ReadCourseSources(QStringLiteral(VORLANE_SAMPLE_DIR), nullptr);
    ASSERT_TRUE(sources);
    const int rows = int(sources->pages.size());
    std::vector<int> landscape;
    for (const CoursePage &p : sources->pages) {
        if (p.debutimp == -1) {
            landscape.push_back(p.numeropage);
        } else if (p.imprimable) {
            EXPECT_TRUE(p.debutimp >= 1 && p.finimp <= rows && p.debutimp <= p.finimp)
                << p.source.toStdString();
        }
    }
    ASSERT_FALSE(landscape.empty());
    bool insideARun = false;
    for (const CoursePage &p : sources->pages) {
        for (int n : landscape)
            insideARun = insideARun || (p.imprimable && p.debutimp != -1 && p.debutimp < p.finimp &&
                                        p.debutimp <= n && n <= p.finimp);
    }
    EXPECT_TRUE(insideARun);
}

TEST(BundledCoursePrinting, RunOfTheDecayPagesPrintsPortraitThenLandscape)
{
    QTemporaryDir dir;
    const auto sources = ReadCourseSources(QStringLiteral(VORLANE_SAMPLE_DIR), nullptr);
    ASSERT_TRUE(sources);
    QString error;
    ASSERT_TRUE(WriteCourseDatabases(*sources, dir.path(), &error)) << error.toStdString();
    LocalFiles files;
    CourseTable course;
    ASSERT_EQ(course.open(*CourseDatabasePath(dir.path(), files)), CourseOpener::Result::Opened);
    PageIndex index;
    PageIndexLoader(dir.path(), files, course).LoadPageIndex(index);
    ASSERT_TRUE(course.setAbsolutePosition(*index.PageByNumber(200)));
    OffscreenHost window;
    window.setDataFolder(dir.path());
    RenderState render;
    const QString pdf = dir.filePath(QStringLiteral("run.pdf"));
    ASSERT_EQ(CoursePrinter(course, index, render, window).PrintToPdf(pdf).sheets, 2);
    const auto sizes = pdfPageSizes(pdf);
    ASSERT_EQ(sizes.size(), 2u);
    EXPECT_LT(sizes[0].width(), sizes[0].height());
    EXPECT_GT(sizes[1].width(), sizes[1].height());
    EXPECT_TRUE(pdfPageText(pdf, 2).contains(u"uranium 238"));
    EXPECT_TRUE(pdfPageLines(pdf, 2).last().endsWith(u" - page 2"));
    EXPECT_FALSE(pdfImageSizes(pdf).empty()); // the decay curve
}
