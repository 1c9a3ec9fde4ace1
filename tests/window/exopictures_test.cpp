// The drawn pictures of the test window: seven faces from worst to best.

#include "ui/exopictures.h"

#include <QDir>
#include <QPainter>
#include <gtest/gtest.h>

namespace vorlane::testing {
namespace {

// The colour at the cheek of a face (inside the head, away from eyes and mouth).
QColor cheek(const QImage &face)
{
    return face.pixelColor(face.width() * 78 / 100, face.height() / 2);
}

TEST(ExoPictures, SevenDistinctFacesFromRedToGreen)
{
    std::vector<QImage> faces;
    for (int n = 1; n <= 7; ++n)
        faces.push_back(ExoPictures::face(n, 40, 1.0));
    for (std::size_t i = 0; i < faces.size(); ++i) {
        for (std::size_t j = i + 1; j < faces.size(); ++j)
            EXPECT_NE(faces[i], faces[j]) << i + 1 << " and " << j + 1;
    }
    // Worst is red, best is green.
    EXPECT_GT(cheek(faces[0]).red(), 180);
    EXPECT_LT(cheek(faces[0]).green(), 80);
    EXPECT_GT(cheek(faces[6]).green(), 150);
    EXPECT_LT(cheek(faces[6]).red(), 80);
    // Out-of-range numbers give the nearest face.
    EXPECT_EQ(ExoPictures::face(0, 40, 1.0), faces[0]);
    EXPECT_EQ(ExoPictures::face(9, 40, 1.0), faces[6]);

    const QString folder = qEnvironmentVariable("VORLANE_SCREENSHOT_DIR");
    if (!folder.isEmpty()) {
        QImage sheet(7 * 48, 48, QImage::Format_ARGB32);
        sheet.fill(Qt::white);
        QPainter p(&sheet);
        for (int n = 1; n <= 7; ++n)
            p.drawImage(4 + (n - 1) * 48, 4, faces[std::size_t(n - 1)]);
        p.end();
        sheet.save(QDir(folder).filePath(QStringLiteral("exo-faces.png")));
    }
}

TEST(ExoPictures, TheTwoMarksDiffer)
{
    const QImage right = ExoPictures::mark(true, 14, 1.0);
    const QImage wrong = ExoPictures::mark(false, 14, 1.0);
    EXPECT_NE(right, wrong);
    EXPECT_NE(ExoPictures::blink(1, 20, 1.0), ExoPictures::blink(2, 20, 1.0));
}

} // namespace
} // namespace vorlane::testing
