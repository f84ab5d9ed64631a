#pragma once

#include <optional>

#include "framework/LocalDateTime.h"

namespace vantrel {

struct Extent {
  int width = 0;
  int height = 0;
  bool operator==(const Extent&) const = default;
};

// The clock window's size at construction: the label plus (10, 1).
Extent InitialClockSize(Extent label);

// After a font change the window grows to label + 5 in each dimension where
// the label has become larger; it never shrinks.
Extent ClockSizeAfterFontChange(Extent window, Extent label);

// At 0:00:00 and 0:00:01 the width is reset to label width + 10 (which may
// shrink it); at any other moment the window keeps its width.
std::optional<int> MidnightClockWidth(const LocalDateTime& now, int labelWidth);

// The font's character height in pixels for `points` at `pixelsPerInch`,
// rounded to the nearest pixel (halves away from zero).
int CharacterHeightForPoints(int points, int pixelsPerInch);

}  // namespace vantrel
