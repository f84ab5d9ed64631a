#include "framework/FontEnumeration.h"

#include <memory>
#include <type_traits>

#include "Pref/FontSizeList.h"
#include "framework/ScreenFontHeight.h"
#include "framework/WindowDC.h"

namespace vantrel {
namespace {

using CreatedDC = std::unique_ptr<std::remove_pointer_t<HDC>, decltype(&DeleteDC)>;

FontFaceKind KindOf(DWORD fontType) {
  if (fontType & TRUETYPE_FONTTYPE) return FontFaceKind::kTrueType;
  if (fontType & DEVICE_FONTTYPE) return FontFaceKind::kDevice;
  if (fontType & RASTER_FONTTYPE) return FontFaceKind::kRaster;
  return FontFaceKind::kVector;
}

int CALLBACK CollectFace(const LOGFONTA* font, const TEXTMETRICA*, DWORD fontType, LPARAM context) {
  reinterpret_cast<std::vector<FontFace>*>(context)->push_back(
      {font->lfFaceName, KindOf(fontType)});
  return 1;
}

int CALLBACK CollectRasterCell(const LOGFONTA*, const TEXTMETRICA* metric, DWORD fontType,
                               LPARAM context) {
  if (fontType & RASTER_FONTTYPE) {
    reinterpret_cast<std::vector<RasterCell>*>(context)->push_back(
        {metric->tmHeight, metric->tmInternalLeading});
  }
  return 1;
}

LOGFONTA FaceQuery(const std::string& face) {
  LOGFONTA query{};
  query.lfCharSet = DEFAULT_CHARSET;
  lstrcpynA(query.lfFaceName, face.c_str(), LF_FACESIZE);
  return query;
}

std::vector<int> RasterSizesOn(HDC dc, const std::string& face) {
  if (!dc) return {};
  LOGFONTA query = FaceQuery(face);
  std::vector<RasterCell> cells;
  EnumFontFamiliesExA(dc, &query, &CollectRasterCell, reinterpret_cast<LPARAM>(&cells), 0);
  return RasterPointSizes(cells, GetDeviceCaps(dc, LOGPIXELSY));
}

CreatedDC DefaultPrinterDC() {
  // "name,driver,port" of the default printer.
  char device[512] = {};
  GetProfileStringA("windows", "device", "", device, sizeof device);
  std::string name(device);
  name = name.substr(0, name.find(','));
  return CreatedDC(name.empty() ? nullptr : CreateDCA(nullptr, name.c_str(), nullptr, nullptr),
                   &DeleteDC);
}

bool LessForList(std::string_view a, std::string_view b) {
  return lstrcmpiA(std::string(a).c_str(), std::string(b).c_str()) < 0;
}

}  // namespace

std::vector<FontFace> ScreenFontFaces() {
  const WindowDC screen(nullptr);
  LOGFONTA query = FaceQuery("");
  std::vector<FontFace> reported;
  EnumFontFamiliesExA(screen.Get(), &query, &CollectFace, reinterpret_cast<LPARAM>(&reported), 0);
  return UniqueSortedFaces(reported, &LessForList);
}

std::vector<int> FontSizesFor(const FontFace& face) {
  if (IsScalable(face.kind)) return {kScalableFontSizes.begin(), kScalableFontSizes.end()};
  std::vector<int> sizes = RasterSizesOn(WindowDC(nullptr).Get(), face.name);
  if (sizes.empty()) sizes = RasterSizesOn(DefaultPrinterDC().get(), face.name);
  return sizes;
}

HFONT CreateScreenFont(const std::string& face, int points) {
  LOGFONTA font = FaceQuery(face);
  font.lfHeight = -ScreenFontHeight(points);
  return CreateFontIndirectA(&font);
}

}  // namespace vantrel
