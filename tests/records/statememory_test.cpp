#include "core/records/recordfile.h"
#include "core/records/statefile.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace vorlane;

namespace {

constexpr QFile::Permissions kReadOnlyFolder = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup |
                                               QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
constexpr QFile::Permissions kWritableFolder = kReadOnlyFolder | QFile::WriteOwner;

// An application folder installed read-only (chmod a-w), made writable again
// before it is removed. The rule does not depend on who runs the test: a
// folder nobody may write is never written, even by the superuser.
class ReadOnlyFolderTest : public ::testing::Test {
protected:
    void TearDown() override { QFile::setPermissions(dir.path(), kWritableFolder); }
    void makeReadOnly() { ASSERT_TRUE(QFile::setPermissions(dir.path(), kReadOnlyFolder)); }
    QString folder() const { return dir.path() + u"/"_s; }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir;
};

TEST_F(ReadOnlyFolderTest, MayWriteFollowsThePermissionsOfTheFileOrItsFolder)
{
    const QString existing = folder() + u"TEMPTS.TMP"_s;
    ASSERT_TRUE(RecordFile(existing).write(1, u"NON"_s));
    EXPECT_TRUE(RecordFile::mayWrite(existing));
    EXPECT_TRUE(RecordFile::mayWrite(folder() + u"LISTETS.MPC"_s)); // new, in a writable folder
    EXPECT_FALSE(RecordFile::mayWrite(dir.path()));                 // a folder is no record file
    EXPECT_FALSE(RecordFile::mayWrite(folder() + u"absent/TEMPTS.TMP"_s));

    ASSERT_TRUE(QFile::setPermissions(existing, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
    EXPECT_FALSE(RecordFile::mayWrite(existing));
    EXPECT_FALSE(RecordFile(existing).write(1, u"OUI"_s));
    EXPECT_EQ(RecordFile(existing).read(1), u"NON"); // still read
    ASSERT_TRUE(QFile::setPermissions(existing, QFile::ReadOwner | QFile::WriteOwner));

    makeReadOnly();
    EXPECT_FALSE(RecordFile::mayWrite(folder() + u"LISTETS.MPC"_s));
    EXPECT_FALSE(RecordFile(folder() + u"LISTETS.MPC"_s).write(1, u"12"_s));
    // A read of a missing file does not create it where nothing may be written.
    EXPECT_EQ(RecordFile(folder() + u"LISTETS.MPC"_s).read(1), u"");
    EXPECT_EQ(entries(), QStringList{u"TEMPTS.TMP"_s});
}

TEST_F(ReadOnlyFolderTest, StateFileIsKeptInMemoryForTheRunAndNothingIsWritten)
{
    makeReadOnly();
    StateMemory memory;
    const StateFile state(folder(), &memory);
    EXPECT_TRUE(state.resetAtStartup());
    EXPECT_TRUE(memory.inUse());

    // What start-up wrote reads back, through any state file of that memory.
    const StateFile other(dir.path(), &memory);
    EXPECT_EQ(other.moduleFlag(1), u"NON");
    EXPECT_EQ(other.moduleFlag(30), u"NON");
    EXPECT_EQ(other.launchFileText(), u"NON");
    EXPECT_EQ(other.description(), u"complète pour l'enseignant"_s);
    EXPECT_EQ(other.CountRunningModules(7), 0); // no module runs: no confirmation asked
    EXPECT_FALSE(other.anyModuleNotStopped());  // the update may go on

    EXPECT_TRUE(other.setModuleFlag(6, u" OUI "_s));
    EXPECT_EQ(state.CountRunningModules(2), 1);
    EXPECT_EQ(state.CountRunningModules(6), -1);
    EXPECT_TRUE(state.anyModuleNotStopped());
    EXPECT_TRUE(state.setLaunchFileText(u"Exercice 03.E32"_s));
    EXPECT_EQ(other.launchFileText(), u"Exercice 03.E32");
    EXPECT_TRUE(state.setIndexCacheState(u"VU"_s));
    EXPECT_EQ(other.indexCacheState(), u"VU");
    // The memory refuses what the file refuses: a text longer than a record.
    EXPECT_FALSE(state.setLaunchFileText(QString(127, u'x')));
    EXPECT_EQ(other.launchFileText(), u"Exercice 03.E32");
    // Characters outside Windows-1252 read back as the file would give them.
    EXPECT_TRUE(state.setLaunchFileText(u"Ω"_s));
    EXPECT_EQ(other.launchFileText(), u"?");

    EXPECT_TRUE(entries().isEmpty());

    // Without a memory the state file reads empty and writes nothing.
    const StateFile bare(folder());
    EXPECT_FALSE(bare.resetAtStartup());
    EXPECT_EQ(bare.moduleFlag(1), u"");
    EXPECT_TRUE(entries().isEmpty());
}

TEST_F(ReadOnlyFolderTest, AnInstalledStateFileIsTheMemorysStartAndStaysUnchanged)
{
    const QString path = folder() + StateFile::fileName();
    ASSERT_TRUE(StateFile(folder()).setModuleFlag(4, u"OUI"_s));
    ASSERT_TRUE(StateFile(folder()).records().write(33, u"réseau"_s));
    QFile before(path);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray bytes = before.readAll();
    before.close();
    makeReadOnly();

    StateMemory memory;
    const StateFile state(folder(), &memory);
    EXPECT_EQ(state.moduleFlag(4), u"OUI");
    EXPECT_EQ(state.furtherDescription(), u"réseau"_s);
    EXPECT_TRUE(state.resetAtStartup());
    EXPECT_EQ(state.moduleFlag(4), u"NON");
    EXPECT_EQ(state.furtherDescription(), u"réseau"_s); // not written by start-up

    QFile after(path);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), bytes);
    EXPECT_EQ(entries(), QStringList{StateFile::fileName()});
}

TEST_F(ReadOnlyFolderTest, AWritableFolderKeepsTheFile)
{
    StateMemory memory;
    const StateFile state(folder(), &memory);
    EXPECT_TRUE(state.resetAtStartup());
    EXPECT_TRUE(state.setModuleFlag(9, u"OUI"_s));
    EXPECT_FALSE(memory.inUse());
    // Another program (a companion) sees the file.
    EXPECT_EQ(RecordFile(folder() + StateFile::fileName()).read(9), u"OUI");
    EXPECT_EQ(StateFile(folder()).moduleFlag(9), u"OUI");
}

} // namespace
