// The committed pictures, videos and lexique pages of the bundled course are
// written by the generators of scripts/. Each generator is run again on a copy
// of scripts/ and sample/, and what it writes must equal what is committed:
// decoded pixels for pictures (the files carry dates), decoded frames for
// videos, bytes for pages.

#include "testsupport.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

enum class Compare { Bytes, Pixels, Frames };

struct GeneratorCase {
    const char *script;  // under scripts/
    const char *folder;  // where it writes, under the project folder
    QStringList written; // the files it writes there (name patterns)
    Compare compare;
};

void PrintTo(const GeneratorCase &c, std::ostream *os)
{
    *os << c.script;
}

QString sourceDir()
{
    return QStringLiteral(VORLANE_SOURCE_DIR);
}

bool copyTree(const QString &from, const QString &to)
{
    QDirIterator it(from, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString file = it.next();
        const QString target = to + file.mid(from.size());
        if (!QDir().mkpath(QFileInfo(target).path()) || !QFile::copy(file, target))
            return false;
    }
    return true;
}

QByteArray bytes(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The decoded frames of a video, one checksum line per frame.
QByteArray frames(const QString &path)
{
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"),
                 {QStringLiteral("-loglevel"), QStringLiteral("error"), QStringLiteral("-i"), path,
                  QStringLiteral("-f"), QStringLiteral("framemd5"), QStringLiteral("-")});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0)
        return {};
    QByteArray out;
    for (const QByteArray &line : ffmpeg.readAllStandardOutput().split('\n')) {
        if (!line.startsWith('#'))
            out += line + '\n';
    }
    return out;
}

class GeneratorTest : public ::testing::TestWithParam<GeneratorCase> {};

TEST_P(GeneratorTest, WritesWhatIsCommitted)
{
    const GeneratorCase c = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    for (const char *tree : {"scripts", "sample"})
        ASSERT_TRUE(copyTree(sourceDir() + u'/' + QLatin1String(tree), root.filePath(QLatin1String(tree))))
            << tree;

    const QDir committed(sourceDir() + u'/' + QLatin1String(c.folder));
    const QDir copy(root.filePath(QLatin1String(c.folder)));
    const QStringList names = committed.entryList(c.written, QDir::Files, QDir::Name);
    ASSERT_FALSE(names.isEmpty()) << c.script;
    for (const QString &name : copy.entryList(c.written, QDir::Files))
        ASSERT_TRUE(QFile::remove(copy.filePath(name)));

    const QString script = root.filePath(QStringLiteral("scripts/") + QLatin1String(c.script));
    QProcess run;
    run.setWorkingDirectory(root.path());
    run.setProcessChannelMode(QProcess::MergedChannels);
    if (script.endsWith(u".py"))
        run.start(QStringLiteral("python3"), {script});
    else
        run.start(QStringLiteral("bash"), {script});
    ASSERT_TRUE(run.waitForFinished(300000)) << c.script;
    ASSERT_EQ(run.exitCode(), 0) << run.readAll().toStdString();

    EXPECT_EQ(copy.entryList(c.written, QDir::Files, QDir::Name), names);
    for (const QString &name : names) {
        const QString before = committed.filePath(name);
        const QString after = copy.filePath(name);
        switch (c.compare) {
        case Compare::Bytes:
            EXPECT_EQ(bytes(after), bytes(before)) << name.toStdString();
            break;
        case Compare::Pixels: {
            const QImage a(before), b(after);
            ASSERT_FALSE(a.isNull()) << name.toStdString();
            EXPECT_EQ(b.size(), a.size()) << name.toStdString();
            EXPECT_TRUE(b.convertToFormat(QImage::Format_ARGB32) == a.convertToFormat(QImage::Format_ARGB32))
                << name.toStdString() << " has other pixels";
            break;
        }
        case Compare::Frames: {
            const QByteArray a = frames(before);
            ASSERT_FALSE(a.isEmpty()) << name.toStdString();
            EXPECT_EQ(frames(after), a) << name.toStdString();
            break;
        }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Scripts, GeneratorTest,
    ::testing::Values(
        GeneratorCase{"make-figures.py",
                      "sample/data",
                      {QStringLiteral("onde.png"), QStringLiteral("CIRCUITRC.PNG"),
                       QStringLiteral("titrage.gif"), QStringLiteral("chargerc.png"),
                       QStringLiteral("decroissance.jpg"), QStringLiteral("ressort.bmp")},
                      Compare::Pixels},
        GeneratorCase{"make-lexique.py", "sample/pages", {QStringLiteral("*-lexique*.page")}, Compare::Bytes},
        GeneratorCase{"make-cover.sh", "sample/data", {QStringLiteral("couvT.jpg")}, Compare::Pixels},
        GeneratorCase{"make-videos.sh", "sample/data", {QStringLiteral("*.avi")}, Compare::Frames}));

} // namespace
