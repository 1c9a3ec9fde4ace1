#include "core/render/picturecache.h"
#include "testsupport.h"

#include <QDateTime>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace vorlane;

namespace {

class PictureCacheTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // A w x h picture of one colour, written as PNG, with the given modification time.
    QString writePicture(const QString &name, int w, int h, QColor colour, const QDateTime &modified)
    {
        const QString path = dir.filePath(name);
        QImage image(w, h, QImage::Format_RGB32);
        image.fill(colour);
        EXPECT_TRUE(image.save(path, "PNG"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(file.setFileTime(modified, QFileDevice::FileModificationTime));
        return path;
    }

    QTemporaryDir dir;
    const QDateTime monday = QDateTime(QDate(2026, 3, 2), QTime(10, 0), Qt::UTC);
    const QDateTime tuesday = QDateTime(QDate(2026, 3, 3), QTime(10, 0), Qt::UTC);
};

TEST_F(PictureCacheTest, AnUnchangedFileIsDecodedOnce)
{
    const QString path = writePicture(QStringLiteral("onde.png"), 30, 20, Qt::red, monday);
    PictureCache cache;
    const std::optional<Picture> first = cache.load(path);
    const std::optional<Picture> second = cache.load(path);
    ASSERT_TRUE(first && second);
    EXPECT_EQ(first->image.size(), QSize(30, 20));
    EXPECT_EQ(first->image.pixelColor(0, 0), QColor(Qt::red));
    EXPECT_EQ(second->file, QStringLiteral("onde.png"));
    // The same decoded pixels, not a second reading of the file.
    EXPECT_EQ(first->image.cacheKey(), second->image.cacheKey());
    EXPECT_EQ(cache.size(), 1);
}

TEST_F(PictureCacheTest, AFileReplacedOnDiskIsReadAgain)
{
    const QString path = writePicture(QStringLiteral("onde.png"), 30, 20, Qt::red, monday);
    PictureCache cache;
    ASSERT_TRUE(cache.load(path));
    // Same size on disk, another time: the new pixels are shown.
    writePicture(QStringLiteral("onde.png"), 30, 20, Qt::blue, tuesday);
    const std::optional<Picture> again = cache.load(path);
    ASSERT_TRUE(again);
    EXPECT_EQ(again->image.pixelColor(0, 0), QColor(Qt::blue));
    // Same time, another size: read again too.
    writePicture(QStringLiteral("onde.png"), 40, 20, Qt::green, tuesday);
    const std::optional<Picture> larger = cache.load(path);
    ASSERT_TRUE(larger);
    EXPECT_EQ(larger->image.size(), QSize(40, 20));
    EXPECT_EQ(cache.size(), 1);
}

TEST_F(PictureCacheTest, MissingOrDamagedFilesAreNoPictureUntilTheyChange)
{
    PictureCache cache;
    EXPECT_FALSE(cache.load(QString()));
    EXPECT_FALSE(cache.load(dir.filePath(QStringLiteral("absent.png"))));
    EXPECT_FALSE(cache.load(dir.path())); // a folder
    const QString damaged = dir.filePath(QStringLiteral("abime.png"));
    {
        QFile f(damaged);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("\x89PNG not really");
    }
    EXPECT_FALSE(cache.load(damaged));
    EXPECT_FALSE(cache.load(damaged));
    // Only the damaged file is kept (as no picture): the others are no files.
    EXPECT_EQ(cache.size(), 1);
    // Once mended, it is read.
    writePicture(QStringLiteral("abime.png"), 5, 5, Qt::red, tuesday);
    EXPECT_TRUE(cache.load(damaged));
}

TEST_F(PictureCacheTest, TheLeastRecentlyUsedPicturesGoFirst)
{
    PictureCache cache(2);
    const QString a = writePicture(QStringLiteral("a.png"), 4, 4, Qt::red, monday);
    const QString b = writePicture(QStringLiteral("b.png"), 4, 4, Qt::red, monday);
    const QString c = writePicture(QStringLiteral("c.png"), 4, 4, Qt::red, monday);
    const qint64 keyA = cache.load(a)->image.cacheKey();
    const qint64 keyB = cache.load(b)->image.cacheKey();
    EXPECT_EQ(cache.load(a)->image.cacheKey(), keyA); // a used last: b is the oldest
    cache.load(c);
    EXPECT_EQ(cache.size(), 2);
    EXPECT_EQ(cache.load(a)->image.cacheKey(), keyA);
    EXPECT_NE(cache.load(b)->image.cacheKey(), keyB); // decoded again
}

TEST_F(PictureCacheTest, PicturesBeyondTheByteBudgetAreNotKept)
{
    PictureCache cache(16, 100 * 100 * 4); // room for one 100 x 100 picture
    const QString a = writePicture(QStringLiteral("a.png"), 100, 100, Qt::red, monday);
    const QString b = writePicture(QStringLiteral("b.png"), 100, 100, Qt::red, monday);
    cache.load(a);
    cache.load(b);
    EXPECT_EQ(cache.size(), 1);
}

} // namespace
