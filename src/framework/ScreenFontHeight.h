#pragma once

namespace vantrel {

// The character height in pixels of a font of `points` on the screen, rounded
// to the nearest pixel.
int ScreenFontHeight(int points);

}  // namespace vantrel
