#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>
#include <ostream>

// Lets GoogleTest print QStrings in its failure messages.
QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os) { *os << '"' << s.toStdString() << '"'; }
QT_END_NAMESPACE

namespace vorlane::testing {
inline QString dataDir() { return QStringLiteral(VORLANE_TEST_DATA_DIR); }

// One run of the built vorlane-tool.
struct ToolRun {
    int code = -1;
    QString out;
    QString err;
};

inline ToolRun runTool(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(QStringLiteral(VORLANE_TOOL), args);
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}
}
