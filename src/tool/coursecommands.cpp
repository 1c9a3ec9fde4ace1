// vorlane-tool index and render: the page index and the pages of a course
// folder, reached exactly as the course window reaches them.

#include "core/app/startupchecks.h"
#include "core/course/coursetable.h"
#include "core/course/pageindexloader.h"
#include "core/render/markuprender.h"
#include "tool/commands.h"

#include <QFile>
#include <QFileInfo>
#include <cstdio>
#include <optional>

namespace vorlane::tool {

namespace {

struct CourseOptions {
    QString folder;
    std::optional<int> page;
    bool testMetrics = false;
    QString trace;
    QString png;
};

// Reads the options of index (withPage false) or render; nullopt after a usage
// message.
std::optional<CourseOptions> parse(const char *commandName, const QCommandLineParser &args, bool withPage)
{
    const QString command = QString::fromLatin1(commandName);
    const auto refuse = [&](const QString &message) {
        usageError(command, message);
        return std::nullopt;
    };
    if (!args.positionalArguments().isEmpty())
        return refuse(QStringLiteral("unexpected argument '%1'").arg(args.positionalArguments().first()));
    CourseOptions o;
    o.folder = args.value(QStringLiteral("course"));
    if (o.folder.isEmpty())
        return refuse(QStringLiteral("--course DIR is required"));
    if (!withPage)
        return o;
    if (!args.isSet(QStringLiteral("page")))
        return refuse(QStringLiteral("--page N is required"));
    bool ok = false;
    o.page = args.value(QStringLiteral("page")).toInt(&ok);
    if (!ok)
        return refuse(QStringLiteral("bad page number '%1'").arg(args.value(QStringLiteral("page"))));
    o.testMetrics = args.isSet(QStringLiteral("test-metrics"));
    o.trace = args.value(QStringLiteral("trace"));
    o.png = args.value(QStringLiteral("png"));
    return o;
}

// Opens the course of the folder and loads its page index as start-up does
// (cache file and record 34 included; the running flags are left alone).
bool openCourse(const char *command, const QString &folder, CourseTable &course, PageIndex &index)
{
    if (!QFileInfo(folder).isDir()) {
        err(QStringLiteral("vorlane-tool %1: course folder not found: '%2'\n")
                .arg(QString::fromLatin1(command), folder));
        return false;
    }
    LocalFiles files;
    const std::optional<QString> database = CourseDatabasePath(folder, files);
    if (!database) {
        err(QStringLiteral("vorlane-tool %1: no course database (PcTs.sqlite or PcTs.mdb) in '%2'\n")
                .arg(QString::fromLatin1(command), folder));
        return false;
    }
    if (course.open(*database) != CourseOpener::Result::Opened) {
        err(QStringLiteral("vorlane-tool %1: unreadable course database '%2'\n")
                .arg(QString::fromLatin1(command), *database));
        return false;
    }
    // A read-only course folder keeps the state file in memory.
    StateMemory state;
    PageIndexLoader(folder, files, course, nullptr, {}, &state).LoadPageIndex(index);
    return true;
}

bool writeOut(const QString &path, const QByteArray &bytes)
{
    if (path == u"-")
        return std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout) == size_t(bytes.size());
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

} // namespace

int indexCommand(const QCommandLineParser &args)
{
    const std::optional<CourseOptions> o = parse("index", args, false);
    if (!o)
        return ExitUsage;
    CourseTable course;
    PageIndex index;
    if (!openCourse("index", o->folder, course, index))
        return ExitBadInput;
    QString text;
    for (int k = 1; k < index.slotCount(); ++k)
        text += QStringLiteral("%1\t%2\t%3\n")
                    .arg(k)
                    .arg(index.byNumber[size_t(k)])
                    .arg(index.byOrder[size_t(k)]);
    out(text);
    return ExitOk;
}

int renderCourseCommand(const QCommandLineParser &args)
{
    std::optional<CourseOptions> o = parse("render", args, true);
    if (!o)
        return ExitUsage;
    CourseTable course;
    PageIndex index;
    if (!openCourse("render", o->folder, course, index))
        return ExitBadInput;
    // As Navigate does: a number without a slot leaves the current row.
    if (const std::optional<int> position = index.PageByNumber(*o->page))
        course.setAbsolutePosition(*position);
    const QString body = course.field(QStringLiteral("fpc"));

    MarkupRenderOptions options;
    options.testMetrics = o->testMetrics;
    options.dataFolder = o->folder;
    if (o->png.isEmpty() && o->trace.isEmpty())
        o->trace = QStringLiteral("-");
    QString error;
    if (!o->png.isEmpty()) {
        const std::optional<QImage> image = MarkupRender::picture(body, options, &error);
        if (!image) {
            err(QStringLiteral("vorlane-tool render: cannot draw '%1': %2\n").arg(o->png, error));
            return ExitBadInput;
        }
        if (!image->save(o->png, "PNG")) {
            err(QStringLiteral("vorlane-tool render: cannot write '%1'\n").arg(o->png));
            return ExitBadInput;
        }
    }
    if (!o->trace.isEmpty()) {
        const std::optional<QByteArray> trace = MarkupRender::trace(body, options, &error);
        if (!trace) {
            err(QStringLiteral("vorlane-tool render: %1\n").arg(error));
            return ExitBadInput;
        }
        if (!writeOut(o->trace, *trace)) {
            err(QStringLiteral("vorlane-tool render: cannot write '%1'\n").arg(o->trace));
            return ExitBadInput;
        }
    }
    return ExitOk;
}

} // namespace vorlane::tool
