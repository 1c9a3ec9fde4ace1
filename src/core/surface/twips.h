#pragma once

namespace vorlane {

// Twips (1/1440 inch) per logical pixel on every screen this program runs on:
// the unit of the surfaces, the renderer and the windows' designed geometry.
inline constexpr double kTwipsPerPixel = 15.0;

} // namespace vorlane
