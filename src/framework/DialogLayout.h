#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace vantrel {

// The layout stored in a DIALOGEX template, read as pixels: our templates
// give every position and size in pixels of the client area, so that a
// layout does not shift with the metrics of whatever font stands in for the
// dialog's face. Every control of such a template has an id of its own.
class DialogLayout final {
 public:
  struct Item {
    int id;
    RECT bounds;
  };
  // The FONT statement of the template.
  struct FontSpec {
    int pointSize;
    int weight;
    bool italic;
    BYTE charset;
    std::wstring face;
  };

  // Reads template `templateId` of `module`; throws Exception when it is
  // missing or is not a well-formed DIALOGEX template.
  DialogLayout(HINSTANCE module, int templateId);

  SIZE ClientSize() const { return clientSize_; }
  const std::vector<Item>& Items() const { return items_; }
  const std::optional<FontSpec>& Font() const { return font_; }

  // Sizes the client area of `dialog` and places each control by its id.
  void ApplyTo(HWND dialog) const;

 private:
  SIZE clientSize_{};
  std::vector<Item> items_;
  std::optional<FontSpec> font_;
};

}  // namespace vantrel
