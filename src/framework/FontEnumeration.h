#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "Pref/FontFaceList.h"

namespace vantrel {

// Every face the screen offers, each once, in the platform's case-insensitive
// list order.
std::vector<FontFace> ScreenFontFaces();

// The sizes a face is offered in: the fixed list for a scalable face; for a
// raster face the point sizes it has on the screen or, when the screen has
// none, on the default printer.
std::vector<int> FontSizesFor(const FontFace& face);

// A font of `face` at `points` on the screen.
HFONT CreateScreenFont(const std::string& face, int points);

}  // namespace vantrel
