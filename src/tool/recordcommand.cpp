#include "core/records/recordfile.h"
#include "tool/commands.h"

namespace vorlane::tool {

int recordCommand(const QCommandLineParser &parsed)
{
    QStringList args = parsed.positionalArguments();
    args.removeAll(QStringLiteral("--"));
    const QString command = QStringLiteral("record");
    if (args.size() < 3 || (args[0] != u"get" && args[0] != u"set"))
        return usageError(command, QStringLiteral("expected get FILE N or set FILE N TEXT"));
    const QString verb = args[0];
    bool ok = false;
    const qint64 number = args[2].toLongLong(&ok);
    if (!ok || number < 1)
        return usageError(command, QStringLiteral("bad record number '%1'").arg(args[2]));
    // A number past the last record is well formed but names no record.
    if (!RecordFile::isRecordNumber(number)) {
        err(QStringLiteral("vorlane-tool record: record number '%1' is past the last record (%2)\n")
                .arg(args[2])
                .arg(RecordFile::kMaxRecord));
        return ExitBadInput;
    }
    const int n = int(number);
    RecordFile file(args[1]);
    if (verb == u"get" && args.size() == 3) {
        out(file.read(n) + u'\n');
        return ExitOk;
    }
    if (verb == u"set" && args.size() == 4) {
        if (RecordFile::encode(args[3]).isEmpty()) {
            err(QStringLiteral("vorlane-tool record: text over 126 bytes: '%1'\n").arg(args[3]));
            return ExitBadInput;
        }
        if (!file.write(n, args[3])) {
            err(QStringLiteral("vorlane-tool record: cannot write '%1'\n").arg(args[1]));
            return ExitBadInput;
        }
        return ExitOk;
    }
    return usageError(command, QStringLiteral("wrong number of arguments for %1").arg(verb));
}

} // namespace vorlane::tool
