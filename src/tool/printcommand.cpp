// vorlane-tool print: the print run of one page of a course folder, into a PDF
// file, through the same code as the print button.

#include "core/app/startupchecks.h"
#include "core/course/coursetable.h"
#include "core/course/pageindexloader.h"
#include "core/print/courseprinter.h"
#include "core/render/offscreenhost.h"
#include "tool/commands.h"

#include <QFileInfo>
#include <optional>

namespace vorlane::tool {

int printCommand(const QCommandLineParser &args)
{
    const auto refuse = [](const QString &message) { return usageError(QStringLiteral("print"), message); };
    if (!args.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'").arg(args.positionalArguments().first()));
    const QString folder = args.value(QStringLiteral("course"));
    const QString pdf = args.value(QStringLiteral("pdf"));
    if (folder.isEmpty())
        return refuse(QStringLiteral("--course DIR is required"));
    if (!args.isSet(QStringLiteral("page")))
        return refuse(QStringLiteral("--page N is required"));
    bool ok = false;
    const std::optional<int> page = args.value(QStringLiteral("page")).toInt(&ok);
    if (!ok)
        return refuse(QStringLiteral("bad page number '%1'").arg(args.value(QStringLiteral("page"))));
    if (pdf.isEmpty())
        return refuse(QStringLiteral("--pdf FILE is required"));

    if (!QFileInfo(folder).isDir()) {
        err(QStringLiteral("vorlane-tool print: course folder not found: '%1'\n").arg(folder));
        return ExitBadInput;
    }
    LocalFiles files;
    const std::optional<QString> database = CourseDatabasePath(folder, files);
    if (!database) {
        err(QStringLiteral("vorlane-tool print: no course database (PcTs.sqlite or PcTs.mdb) in '%1'\n")
                .arg(folder));
        return ExitBadInput;
    }
    CourseTable course;
    if (course.open(*database) != CourseOpener::Result::Opened) {
        err(QStringLiteral("vorlane-tool print: unreadable course database '%1'\n").arg(*database));
        return ExitBadInput;
    }
    PageIndex index;
    StateMemory state; // a read-only course folder keeps the state file in memory
    PageIndexLoader(folder, files, course, nullptr, {}, &state).LoadPageIndex(index);
    // As Navigate does: a number without a slot leaves the current row.
    if (const std::optional<int> position = index.PageByNumber(*page))
        course.setAbsolutePosition(*position);

    // The page is printed whether or not it is marked printable (an author's check).
    OffscreenHost window;
    window.setDataFolder(folder);
    RenderState render;
    CoursePrinter printer(course, index, render, window);
    QString error;
    const PrintOutcome outcome = printer.PrintToPdf(pdf, &error);
    if (outcome.nothingToPrint) {
        const PrintRange range = PrintRange::of(course);
        err(QStringLiteral("vorlane-tool print: page %1: %2 (debutimp %3 > finimp %4); '%5' not written\n")
                .arg(*page)
                .arg(NothingToPrintText())
                .arg(range.first)
                .arg(range.last)
                .arg(pdf));
        return ExitOk;
    }
    if (outcome.refused) {
        err(QStringLiteral("vorlane-tool print: cannot write '%1': %2\n").arg(pdf, error));
        return ExitBadInput;
    }
    return ExitOk;
}

} // namespace vorlane::tool
