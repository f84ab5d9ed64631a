#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace vantrel {

// Whether a list item's text stands for the wanted text. The colour box uses
// the platform's locale-aware case-insensitive comparison, the face box the
// A-Z folding of EqualsIgnoringAsciiCase.
using TextMatch = std::function<bool(std::string_view item, std::string_view wanted)>;

std::optional<std::size_t> FirstMatchingItem(std::span<const std::string> items,
                                             std::string_view wanted, const TextMatch& matches);

// The index that selects `found`, or the item count, which selects nothing.
int SelectionIndex(std::optional<std::size_t> found, std::size_t itemCount);

// The first item whose decimal text is `size`.
std::optional<std::size_t> FirstSizeItem(std::span<const std::string> items, int size);

// What selecting the face `name` does to the face list.
struct FaceSelection {
  bool changes = false;              // false: `name` is the selected face already
  std::optional<std::size_t> index;  // the face to select; none selects nothing
  bool operator==(const FaceSelection&) const = default;
};

// `selected` is the currently selected item, if any. An exact match with it
// changes nothing; otherwise the first face equal to `name` with A-Z folded is
// selected, or nothing.
FaceSelection FaceSelectionFor(std::span<const std::string> faces,
                               std::optional<std::size_t> selected, std::string_view name);

}  // namespace vantrel
