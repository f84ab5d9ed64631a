#include "framework/StripedPanel.h"

#include <cstring>

#include "framework/Exception.h"
#include "framework/MemoryDC.h"
#include "framework/SelectedObject.h"
#include "framework/WindowClass.h"

namespace vantrel {
namespace {

GdiObject<HBITMAP> MakeTile() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = StripedPanel::kTileWidth;
  info.bmiHeader.biHeight = -StripedPanel::kTileHeight;  // top row first
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  GdiObject<HBITMAP> tile(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!tile) throw Exception("The panel's background could not be made");
  const int rowBytes = (StripedPanel::kTileWidth * 3 + 3) / 4 * 4;
  auto* row = static_cast<BYTE*>(bits);
  for (int y = 0; y < StripedPanel::kTileHeight; ++y, row += rowBytes) {
    std::memset(row, StripedPanel::kStripeGreys[y % 4], static_cast<std::size_t>(rowBytes));
  }
  return tile;
}

}  // namespace

const char* StripedPanel::Register() {
  static const WindowClass windowClass(kClassName, &Procedure<StripedPanel>);
  return windowClass.Name();
}

StripedPanel::StripedPanel(HWND handle) : PaintedControl(handle), tile_(MakeTile()) {}

void StripedPanel::PaintContent(HDC dc) {
  const MemoryDC tileDC(dc);
  const SelectedObject selected(tileDC.Get(), tile_.Get());
  for (int y = 0; y < Height(); y += kTileHeight) {
    for (int x = 0; x < Width(); x += kTileWidth) {
      BitBlt(dc, x, y, kTileWidth, kTileHeight, tileDC.Get(), 0, 0, SRCCOPY);
    }
  }
  if (GetWindowLongPtrA(Handle(), GWL_STYLE) & STRIPED_PANEL_BEVEL) {
    RECT edge{0, 0, Width(), Height()};
    DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
  }
}

}  // namespace vantrel
