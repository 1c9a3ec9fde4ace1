// `cmake --install` of the build into a temporary prefix, then the installed
// tool run from its application folder made read-only, as pupils have it.

#include "testsupport.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QMap>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ProgramRun {
    int code = -1;
    QString out;
    QString err;
};

ProgramRun run(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(120000)) {
        p.kill();
        p.waitForFinished();
        return {-1, {}, u"(killed: no answer)"_s};
    }
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1,
            QString::fromUtf8(p.readAllStandardOutput()), QString::fromUtf8(p.readAllStandardError())};
}

// Every file and folder under `root`: its size, modification time and content.
QMap<QString, QString> snapshot(const QString &root)
{
    QMap<QString, QString> entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo fi(it.next());
        QString state = u"%1 %2"_s.arg(fi.size()).arg(fi.lastModified().toMSecsSinceEpoch());
        if (fi.isFile()) {
            QFile f(fi.filePath());
            if (f.open(QIODevice::ReadOnly))
                state +=
                    u" "_s + QString::fromLatin1(
                                 QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1).toHex());
        }
        entries.insert(QDir(root).relativeFilePath(fi.filePath()), state);
    }
    return entries;
}

QString readText(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

int courseRows(const QString &database)
{
    int rows = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"installcount"_s);
        db.setDatabaseName(database);
        db.setConnectOptions(u"QSQLITE_OPEN_READONLY"_s);
        if (db.open()) {
            QSqlQuery q(u"SELECT COUNT(*) FROM Cours"_s, db);
            if (q.next())
                rows = q.value(0).toInt();
        }
    }
    QSqlDatabase::removeDatabase(u"installcount"_s);
    return rows;
}

class InstallTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        // Writable again, so that the temporary prefix can be removed.
        run(u"chmod"_s, {u"-R"_s, u"u+w"_s, prefix.path()});
    }
    QString at(const QString &relative) const { return prefix.path() + u"/"_s + relative; }

    QTemporaryDir prefix;
    QTemporaryDir scratch;
};

TEST_F(InstallTest, InstalledFolderWorksReadOnlyAndIsNeverWritten)
{
    const ProgramRun install =
        run(QStringLiteral(VORLANE_CMAKE_COMMAND),
            {u"--install"_s, QStringLiteral(VORLANE_BUILD_DIR), u"--prefix"_s, prefix.path()});
    ASSERT_EQ(install.code, 0) << install.out.toStdString() << install.err.toStdString();

    // The application folder, the launcher, the entry and its icon.
    const QString app = at(u"lib/vorlane"_s);
    for (const char *name : {"vorlane", "vorlane-tool", "vorlane-mdb-reader"})
        EXPECT_TRUE(QFileInfo(app + u"/"_s + QString::fromLatin1(name)).isExecutable()) << name;
    for (const char *name : {"PcTs.sqlite", "tcTs.sqlite", "couvT.jpg", "PCTS.html", "chute.avi", "onde.png"})
        EXPECT_TRUE(QFileInfo(app + u"/"_s + QString::fromLatin1(name)).isFile()) << name;
    // Nothing of a run of the program: no state file, no page index cache.
    EXPECT_FALSE(QFileInfo::exists(app + u"/TEMPTS.TMP"_s));
    EXPECT_FALSE(QFileInfo::exists(app + u"/LISTETS.MPC"_s));

    const QString launcher = at(u"bin/vorlane"_s);
    EXPECT_TRUE(QFileInfo(launcher).isExecutable());
    EXPECT_TRUE(readText(launcher).contains(u"exec \"$here/../lib/vorlane/vorlane\""_s));

    const QString entry = readText(at(u"share/applications/vorlane.desktop"_s));
    const QStringList lines = entry.split(u'\n');
    EXPECT_TRUE(lines.contains(u"[Desktop Entry]"_s));
    EXPECT_TRUE(lines.contains(u"Type=Application"_s));
    EXPECT_TRUE(lines.contains(u"Name=Vorlane"_s));
    EXPECT_TRUE(lines.contains(u"Exec="_s + launcher)) << entry.toStdString();
    EXPECT_TRUE(lines.contains(u"Icon=vorlane"_s));
    EXPECT_TRUE(lines.contains(u"Categories=Education;Science;"_s));
    EXPECT_TRUE(entry.contains(u"Comment=Livre de cours de physique et chimie"_s));

    QFile icon(at(u"share/icons/hicolor/scalable/apps/vorlane.svg"_s));
    ASSERT_TRUE(icon.open(QIODevice::ReadOnly));
    QXmlStreamReader svg(&icon);
    ASSERT_TRUE(svg.readNextStartElement());
    EXPECT_EQ(svg.name(), u"svg");
    while (!svg.atEnd())
        svg.readNext();
    EXPECT_FALSE(svg.hasError()) << svg.errorString().toStdString();

    // What the tool gives on a writable copy of the course, for comparison.
    ASSERT_TRUE(QFile::copy(app + u"/PcTs.sqlite"_s, scratch.path() + u"/PcTs.sqlite"_s));
    const ProgramRun expected =
        run(QStringLiteral(VORLANE_TOOL), {u"index"_s, u"--course"_s, scratch.path()});
    ASSERT_EQ(expected.code, 0) << expected.err.toStdString();
    const int rows = courseRows(app + u"/PcTs.sqlite"_s);
    ASSERT_GT(rows, 0);
    EXPECT_EQ(expected.out.count(u'\n'), rows);

    // Read-only for everyone (the superuser could still write: the snapshot
    // shows that nothing was).
    ASSERT_EQ(run(u"chmod"_s, {u"-R"_s, u"a-w"_s, prefix.path()}).code, 0);
    const QMap<QString, QString> before = snapshot(prefix.path());

    const QString tool = app + u"/vorlane-tool"_s;
    const ProgramRun index = run(tool, {u"index"_s, u"--course"_s, app});
    EXPECT_EQ(index.code, 0) << index.err.toStdString();
    EXPECT_EQ(index.out, expected.out);
    EXPECT_TRUE(index.err.isEmpty()) << index.err.toStdString();

    const QString png = scratch.path() + u"/page1.png"_s;
    const ProgramRun render =
        run(tool, {u"render"_s, u"--course"_s, app, u"--page"_s, u"1"_s, u"--png"_s, png});
    EXPECT_EQ(render.code, 0) << render.err.toStdString();
    const QImage page(png);
    ASSERT_FALSE(page.isNull());
    EXPECT_GT(page.width(), 100);
    EXPECT_GT(page.height(), 100);

    const QMap<QString, QString> after = snapshot(prefix.path());
    for (auto it = after.begin(); it != after.end(); ++it)
        EXPECT_EQ(before.value(it.key(), u"(created)"_s), it.value()) << it.key().toStdString();
    EXPECT_EQ(before.keys(), after.keys());
}

} // namespace
