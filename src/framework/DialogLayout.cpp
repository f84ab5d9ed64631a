#include "framework/DialogLayout.h"

#include <cstdint>
#include <cstring>
#include <string>

#include "framework/Exception.h"

namespace vantrel {
namespace {

// Reads the fields of a template in order, never past its end.
class TemplateReader final {
 public:
  TemplateReader(const BYTE* data, std::size_t size) : data_(data), size_(size) {}

  template <typename Value>
  Value Read() {
    Require(sizeof(Value));
    Value value;
    std::memcpy(&value, data_ + offset_, sizeof value);
    offset_ += sizeof value;
    return value;
  }
  void Skip(std::size_t bytes) {
    Require(bytes);
    offset_ += bytes;
  }
  // A name or ordinal field: 0 for none, 0xFFFF and an ordinal, or a
  // zero-terminated UTF-16 string.
  void SkipNameOrOrdinal() {
    const auto first = Read<std::uint16_t>();
    if (first == 0xFFFF) {
      Skip(2);
    } else {
      for (std::uint16_t unit = first; unit != 0;) unit = Read<std::uint16_t>();
    }
  }
  std::wstring ReadString() {
    std::wstring text;
    for (auto unit = Read<std::uint16_t>(); unit != 0; unit = Read<std::uint16_t>()) {
      text.push_back(static_cast<wchar_t>(unit));
    }
    return text;
  }
  void AlignToDword() { offset_ = (offset_ + 3) & ~std::size_t{3}; }

 private:
  void Require(std::size_t bytes) const {
    if (offset_ + bytes > size_) throw Exception("A dialog template ends too early");
  }

  const BYTE* data_;
  std::size_t size_;
  std::size_t offset_ = 0;
};

}  // namespace

DialogLayout::DialogLayout(HINSTANCE module, int templateId) {
  const HRSRC resource = FindResourceA(module, MAKEINTRESOURCEA(templateId), RT_DIALOG);
  const HGLOBAL loaded = resource ? LoadResource(module, resource) : nullptr;
  const auto* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
  if (!data) throw Exception("Dialog template " + std::to_string(templateId) + " is missing");
  TemplateReader reader(data, SizeofResource(module, resource));

  const auto version = reader.Read<std::uint16_t>();
  const auto signature = reader.Read<std::uint16_t>();
  if (version != 1 || signature != 0xFFFF) {
    throw Exception("Dialog template " + std::to_string(templateId) + " is not a DIALOGEX");
  }
  reader.Skip(2 * sizeof(std::uint32_t));  // help id, extended style
  const auto style = reader.Read<std::uint32_t>();
  const auto itemCount = reader.Read<std::uint16_t>();
  reader.Skip(2 * sizeof(std::int16_t));  // position: the dialog places itself
  clientSize_.cx = reader.Read<std::int16_t>();
  clientSize_.cy = reader.Read<std::int16_t>();
  reader.SkipNameOrOrdinal();  // menu
  reader.SkipNameOrOrdinal();  // window class
  reader.ReadString();         // caption
  if (style & (DS_SETFONT | DS_SHELLFONT)) {
    FontSpec font{};
    font.pointSize = reader.Read<std::uint16_t>();
    font.weight = reader.Read<std::uint16_t>();
    font.italic = reader.Read<BYTE>() != 0;
    font.charset = reader.Read<BYTE>();
    font.face = reader.ReadString();
    font_ = std::move(font);
  }

  for (std::uint16_t index = 0; index < itemCount; ++index) {
    reader.AlignToDword();
    reader.Skip(3 * sizeof(std::uint32_t));  // help id, extended style, style
    Item item{};
    item.bounds.left = reader.Read<std::int16_t>();
    item.bounds.top = reader.Read<std::int16_t>();
    item.bounds.right = item.bounds.left + reader.Read<std::int16_t>();
    item.bounds.bottom = item.bounds.top + reader.Read<std::int16_t>();
    item.id = static_cast<std::int32_t>(reader.Read<std::uint32_t>());
    reader.SkipNameOrOrdinal();                 // window class
    reader.SkipNameOrOrdinal();                 // text
    reader.Skip(reader.Read<std::uint16_t>());  // creation data
    items_.push_back(item);
  }
}

void DialogLayout::ApplyTo(HWND dialog) const {
  for (const Item& item : items_) {
    const HWND control = GetDlgItem(dialog, item.id);
    if (!control) continue;
    SetWindowPos(control, nullptr, item.bounds.left, item.bounds.top,
                 item.bounds.right - item.bounds.left, item.bounds.bottom - item.bounds.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
  }
  // The frame keeps its size; the client area gets the template's.
  RECT window;
  RECT client;
  GetWindowRect(dialog, &window);
  GetClientRect(dialog, &client);
  SetWindowPos(dialog, nullptr, 0, 0, window.right - window.left - client.right + clientSize_.cx,
               window.bottom - window.top - client.bottom + clientSize_.cy,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace vantrel
