#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vantrel {

// How the platform renders a face; everything but raster faces scales freely.
enum class FontFaceKind { kRaster, kVector, kTrueType, kDevice };

struct FontFace {
  std::string name;
  FontFaceKind kind = FontFaceKind::kRaster;
  bool operator==(const FontFace&) const = default;
};

bool IsScalable(FontFaceKind kind);
// TrueType and device faces carry a small glyph in the face list.
bool HasFaceGlyph(FontFaceKind kind);

using TextLess = std::function<bool(std::string_view, std::string_view)>;

// The face box's items: each name once (the first report of it wins), ordered
// by `less`, which on the platform is its case-insensitive list order.
std::vector<FontFace> UniqueSortedFaces(const std::vector<FontFace>& reported,
                                        const TextLess& less);

}  // namespace vantrel
