#include "Pref/FontFaceList.h"

#include <algorithm>
#include <set>

namespace vantrel {

bool IsScalable(FontFaceKind kind) { return kind != FontFaceKind::kRaster; }

bool HasFaceGlyph(FontFaceKind kind) {
  return kind == FontFaceKind::kTrueType || kind == FontFaceKind::kDevice;
}

std::vector<FontFace> UniqueSortedFaces(const std::vector<FontFace>& reported,
                                        const TextLess& less) {
  std::vector<FontFace> faces;
  std::set<std::string, std::less<>> seen;
  for (const FontFace& face : reported) {
    if (seen.insert(face.name).second) faces.push_back(face);
  }
  std::stable_sort(faces.begin(), faces.end(),
                   [&less](const FontFace& a, const FontFace& b) { return less(a.name, b.name); });
  return faces;
}

}  // namespace vantrel
