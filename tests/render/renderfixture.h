#pragma once

#include "core/render/offscreenhost.h"
#include "core/render/pagerenderer.h"
#include "core/surface/recordingsurface.h"
#include "core/surface/tracelog.h"
#include "testsupport.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QStringList>
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

namespace vorlane::testing {

// The renderer on recording surfaces with the test metrics, sized as
// render-markup sizes them: PictureTEXTE 600 x 1000 pixels (ScaleWidth 9000),
// titre 600 x 60, bastitre 600 x 30, PICTUREILLUS 180 x 420. At size 10 a
// character is 120 twips wide and every text 240 high.
class RenderFixture : public ::testing::Test {
protected:
    TraceLog log;
    OffscreenHost host{&log};
    RenderState state;
    PageRenderer renderer{state, host};
    DrawingSurface *body = nullptr;
    DrawingSurface *titre = nullptr;
    DrawingSurface *bastitre = nullptr;

    void SetUp() override
    {
        body = addSurface("PictureTEXTE", 600, 1000);
        titre = addSurface("titre", 600, 60);
        bastitre = addSurface("bastitre", 600, 30);
        addSurface("PICTUREILLUS", 180, 420);
        renderer.setSurface(body);
    }

    DrawingSurface *addSurface(const char *name, double w, double h)
    {
        return &host.addSurface(std::make_unique<RecordingSurface>(QString::fromLatin1(name), log,
                                                                   std::make_shared<TestMetrics>(), w, h));
    }

    // Draws the lines (UTF-8), each followed by CR LF.
    void render(std::initializer_list<const char *> lines)
    {
        QString text;
        for (const char *l : lines)
            text += QString::fromUtf8(l) + QStringLiteral("\r\n");
        renderer.RenderPageText(text);
    }

    // The records written so far, parsed; only those of `op` when given.
    std::vector<QJsonObject> records(const char *op = nullptr) const
    {
        std::vector<QJsonObject> out;
        for (const QString &line : log.lines()) {
            const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
            if (!op || o.value(QStringLiteral("op")).toString() == QLatin1String(op))
                out.push_back(o);
        }
        return out;
    }
    std::vector<QJsonObject> prints() const { return records("print"); }
    std::vector<QJsonObject> lines() const { return records("line"); }

    QStringList ops() const
    {
        QStringList out;
        for (const QJsonObject &o : records())
            out << o.value(QStringLiteral("op")).toString();
        return out;
    }
};

inline double num(const QJsonObject &o, const char *key)
{
    return o.value(QLatin1String(key)).toDouble();
}
inline QString str(const QJsonObject &o, const char *key)
{
    return o.value(QLatin1String(key)).toString();
}

// A print record's position and text.
#define EXPECT_PRINT(rec, x, y, text)                                                                        \
    do {                                                                                                     \
        EXPECT_EQ(::vorlane::testing::num(rec, "x"), (x));                                                   \
        EXPECT_EQ(::vorlane::testing::num(rec, "y"), (y));                                                   \
        EXPECT_EQ(::vorlane::testing::str(rec, "text"), QString::fromUtf8(text));                            \
    } while (0)

// A line record's ends.
#define EXPECT_LINE(rec, ax, ay, bx, by)                                                                     \
    do {                                                                                                     \
        EXPECT_EQ(::vorlane::testing::num(rec, "x1"), (ax));                                                 \
        EXPECT_EQ(::vorlane::testing::num(rec, "y1"), (ay));                                                 \
        EXPECT_EQ(::vorlane::testing::num(rec, "x2"), (bx));                                                 \
        EXPECT_EQ(::vorlane::testing::num(rec, "y2"), (by));                                                 \
    } while (0)

} // namespace vorlane::testing
