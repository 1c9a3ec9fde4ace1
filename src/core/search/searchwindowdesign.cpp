#include "core/search/searchwindowdesign.h"

#include <cmath>

namespace vorlane {

QColor SearchWindowDesign::backgroundLine(int x)
{
    // span * x / 50 keeps the halves exact (x = 5: 15.5); halves go to the even
    // neighbour, as every conversion to a whole number does.
    const auto c = [x](double base, double span) { return int(std::nearbyint(base + span * x / 50.0)); };
    return QColor(c(20, 230), c(100, 155), c(180, 40));
}

} // namespace vorlane
