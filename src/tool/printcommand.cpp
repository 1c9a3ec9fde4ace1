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

namespace {

const QString kPrintUsage = QStringLiteral("usage: vorlane-tool print --course DIR --page N --pdf FILE\n");

int printUsage(const QString &message)
{
    err(QStringLiteral("vorlane-tool print: %1\n").arg(message) + kPrintUsage);
    return ExitUsage;
}

} // namespace

int printCommand(const QStringList &args)
{
    QString folder, pdf;
    std::optional<int> page;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &a = args[i];
        const bool hasValue = i + 1 < args.size();
        if (a == u"--" && i + 1 == args.size())
            break;
        if (a == u"--course" && hasValue) {
            folder = args[++i];
        } else if (a == u"--pdf" && hasValue) {
            pdf = args[++i];
        } else if (a == u"--page" && hasValue) {
            bool ok = false;
            page = args[++i].toInt(&ok);
            if (!ok)
                return printUsage(QStringLiteral("bad page number '%1'").arg(args[i]));
        } else {
            return printUsage(QStringLiteral("unknown option, argument or missing value '%1'").arg(a));
        }
    }
    if (folder.isEmpty())
        return printUsage(QStringLiteral("--course DIR is required"));
    if (!page)
        return printUsage(QStringLiteral("--page N is required"));
    if (pdf.isEmpty())
        return printUsage(QStringLiteral("--pdf FILE is required"));

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
    PageIndexLoader(folder, files, course).LoadPageIndex(index);
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
