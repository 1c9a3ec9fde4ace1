#include "core/records/recordfile.h"
#include "tool/commands.h"

namespace vorlane::tool {

int recordCommand(const QStringList &argsIn)
{
    QStringList args = argsIn;
    args.removeAll(QStringLiteral("--"));
    if (args.size() < 3)
        return err(QStringLiteral("usage: vorlane-tool record get FILE N | record set FILE N TEXT\n")), ExitUsage;
    const QString verb = args[0];
    bool ok = false;
    const int n = args[2].toInt(&ok);
    if (!ok || n < 1) {
        err(QStringLiteral("vorlane-tool record: bad record number '%1'\n").arg(args[2]));
        return ExitUsage;
    }
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
    err(QStringLiteral("usage: vorlane-tool record get FILE N | record set FILE N TEXT\n"));
    return ExitUsage;
}

} // namespace vorlane::tool
