#include "Pref/ItemMatch.h"

#include "config/IntegerRule.h"
#include "framework/AsciiCase.h"

namespace vantrel {

std::optional<std::size_t> FirstMatchingItem(std::span<const std::string> items,
                                             std::string_view wanted, const TextMatch& matches) {
  for (std::size_t i = 0; i < items.size(); ++i) {
    if (matches(items[i], wanted)) return i;
  }
  return std::nullopt;
}

int SelectionIndex(std::optional<std::size_t> found, std::size_t itemCount) {
  return static_cast<int>(found.value_or(itemCount));
}

std::optional<std::size_t> FirstSizeItem(std::span<const std::string> items, int size) {
  return FirstMatchingItem(items, {}, [size](std::string_view item, std::string_view) {
    return TryParseInteger(item) == size;
  });
}

FaceSelection FaceSelectionFor(std::span<const std::string> faces,
                               std::optional<std::size_t> selected, std::string_view name) {
  const std::string_view selectedFace = selected ? std::string_view(faces[*selected]) : "";
  if (name == selectedFace) return {false, selected};
  return {true, FirstMatchingItem(faces, name, EqualsIgnoringAsciiCase)};
}

}  // namespace vantrel
