#include "core/exercises/teststrip.h"

#include <algorithm>
#include <cmath>

namespace vorlane {

namespace {
double nearestEven(double v)
{
    return std::nearbyint(v);
} // the default rounding mode: halves to even
} // namespace

TestStrip::Band TestStrip::band(int q, int count, double innerHeight)
{
    if (count == 0)
        return {};
    // The band height is a single-precision value, and so are the products.
    const float h = float(innerHeight) / float(count);
    const float k = float(q - 1);
    return {nearestEven(h * k), nearestEven(h * (k + 1) - 2)};
}

TestStrip::Colours TestStrip::colours(int status)
{
    const auto qb = [](int r, int g, int b) { return QColor(r, g, b); };
    if (status == 1)
        return {qb(0, 255, 230), qb(0, 128, 0), qb(0, 220, 180), qb(0, 128, 0)};
    if (status == -1)
        return {qb(255, 150, 150), qb(128, 0, 0), qb(255, 50, 50), qb(128, 0, 0)};
    return {qb(255, 205, 150), qb(128, 128, 128), qb(255, 175, 100), qb(0, 0, 0)};
}

QString TestStrip::label(int q)
{
    return QStringLiteral("Question ") + QString::number(q);
}

int TestStrip::questionAt(double y, double innerHeight, int count)
{
    if (count < 1)
        return 1;
    double q = innerHeight > 0 ? nearestEven(y / innerHeight * count + 0.5) : 1;
    if (!std::isfinite(q))
        q = 1;
    return int(std::clamp(q, 1.0, double(count)));
}

double TestStrip::faceTop(double stripHeight, int count, int current, double faceHeight)
{
    if (count == 0)
        return 0;
    return stripHeight / count * (current - 0.5) - faceHeight / 2;
}

QColor TestStrip::titleColour(int i, int n)
{
    const double b = n > 0 ? nearestEven(double(i) / n * 100 + 155) : 255;
    return QColor(255, 255, int(std::clamp(b, 0.0, 255.0)));
}

} // namespace vorlane
