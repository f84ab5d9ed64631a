#include "LayeredForm/Win32LayeredFormPlatform.h"

#include <windows.h>

#include <memory>

#include "LayeredForm/TFadeThread.h"
#include "framework/Win32Color.h"

namespace vantrel {
namespace {

using SetLayeredWindowAttributesFunction = BOOL(WINAPI*)(HWND, COLORREF, BYTE, DWORD);
using UpdateLayeredWindowFunction = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF,
                                                  BLENDFUNCTION*, DWORD);

HWND AsWindow(WindowId window) { return reinterpret_cast<HWND>(window); }
HDC AsDC(SurfaceId surface) { return reinterpret_cast<HDC>(surface); }

// The key reaches the platform as the pixel the clock paints its background
// with: clNone (0x1FFFFFFF) as it stands would be read as a palette index.
COLORREF KeyPixel(std::uint32_t key) { return ColorRefFor(static_cast<TColor>(key)); }

}  // namespace

Win32LayeredFormPlatform& Win32LayeredFormPlatform::Instance() {
  static Win32LayeredFormPlatform platform;
  return platform;
}

std::int32_t Win32LayeredFormPlatform::ReadExStyle(WindowId window) {
  return GetWindowLongA(AsWindow(window), GWL_EXSTYLE);
}

void Win32LayeredFormPlatform::WriteExStyle(WindowId window, std::int32_t exStyle) {
  SetWindowLongA(AsWindow(window), GWL_EXSTYLE, exStyle);
}

std::uint32_t Win32LayeredFormPlatform::SystemColorRgb(int index) { return GetSysColor(index); }

ModuleId Win32LayeredFormPlatform::FindLoadedModule(const char* name) {
  return reinterpret_cast<ModuleId>(GetModuleHandleA(name));
}

EntryPointId Win32LayeredFormPlatform::FindEntryPoint(ModuleId module, const char* name) {
  return reinterpret_cast<EntryPointId>(GetProcAddress(reinterpret_cast<HMODULE>(module), name));
}

bool Win32LayeredFormPlatform::CallSetLayeredWindowAttributes(EntryPointId entry, WindowId window,
                                                              std::uint32_t key, std::uint8_t alpha,
                                                              std::uint32_t flags) {
  const auto function = reinterpret_cast<SetLayeredWindowAttributesFunction>(entry);
  return function(AsWindow(window), KeyPixel(key), alpha, flags) != FALSE;
}

bool Win32LayeredFormPlatform::CallUpdateLayeredWindow(
    EntryPointId entry, WindowId window, SurfaceId destination,
    const LayerPoint* destinationPosition, const LayerSize* size, SurfaceId source,
    const LayerPoint* sourcePosition, std::uint32_t key, const BlendFunction* blend,
    std::uint32_t flags) {
  POINT destinationPoint{};
  SIZE extent{};
  POINT sourcePoint{};
  BLENDFUNCTION blendFunction{};
  if (destinationPosition) destinationPoint = {destinationPosition->x, destinationPosition->y};
  if (size) extent = {size->cx, size->cy};
  if (sourcePosition) sourcePoint = {sourcePosition->x, sourcePosition->y};
  if (blend) {
    blendFunction = {blend->BlendOp, blend->BlendFlags, blend->SourceConstantAlpha,
                     blend->AlphaFormat};
  }
  const auto function = reinterpret_cast<UpdateLayeredWindowFunction>(entry);
  return function(AsWindow(window), AsDC(destination),
                  destinationPosition ? &destinationPoint : nullptr, size ? &extent : nullptr,
                  AsDC(source), sourcePosition ? &sourcePoint : nullptr, KeyPixel(key),
                  blend ? &blendFunction : nullptr, flags) != FALSE;
}

SurfaceId Win32LayeredFormPlatform::GetScreenSurface() {
  return reinterpret_cast<SurfaceId>(GetDC(nullptr));
}

void Win32LayeredFormPlatform::ReleaseScreenSurface(SurfaceId surface) {
  ReleaseDC(nullptr, AsDC(surface));
}

FadeWorker& Win32LayeredFormPlatform::StartFade(TLayeredForm& layered, const FadeRequest& request) {
  auto worker = std::make_unique<TFadeThread>(layered, request);
  // Stays valid: it ends only through the GUI thread, which is running this.
  TFadeThread& started = *worker;
  WorkerThread::Start(std::move(worker));
  return started;
}

}  // namespace vantrel
