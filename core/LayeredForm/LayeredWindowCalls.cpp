#include "LayeredForm/LayeredWindowCalls.h"

#include "LayeredForm/ScreenSurface.h"

namespace vantrel {
namespace {

EntryPointId FindUser32Entry(LayeredFormPlatform& platform, const char* name) {
  const ModuleId user32 = platform.FindLoadedModule("USER32.DLL");
  return user32 ? platform.FindEntryPoint(user32, name) : 0;
}

}  // namespace

bool DynSetLayeredWindowAttributes(LayeredFormPlatform& platform, WindowId window,
                                   std::uint32_t key, std::uint8_t alpha, std::uint32_t flags) {
  const EntryPointId entry = FindUser32Entry(platform, "SetLayeredWindowAttributes");
  return !entry || platform.CallSetLayeredWindowAttributes(entry, window, key, alpha, flags);
}

bool DynUpdateLayeredWindow(LayeredFormPlatform& platform, WindowId window, SurfaceId destination,
                            const LayerPoint* destinationPosition, const LayerSize* size,
                            SurfaceId source, const LayerPoint* sourcePosition, std::uint32_t key,
                            const BlendFunction* blend, std::uint32_t flags) {
  const EntryPointId entry = FindUser32Entry(platform, "UpdateLayeredWindow");
  return !entry ||
         platform.CallUpdateLayeredWindow(entry, window, destination, destinationPosition, size,
                                          source, sourcePosition, key, blend, flags);
}

void ApplyLayer(LayeredFormPlatform& platform, WindowId window, SurfaceId source, std::uint32_t key,
                std::uint8_t alpha, const LayerRect& rect, std::uint32_t attributeFlag) {
  platform.WriteExStyle(window, platform.ReadExStyle(window) | kLayeredExStyle);
  DynSetLayeredWindowAttributes(platform, window, key, alpha, attributeFlag);
  const BlendFunction blend{};
  const ScreenSurface screen(platform);
  const LayerSize size{rect.Right - rect.Left, rect.Bottom - rect.Top};
  const LayerPoint sourcePosition{rect.Left, rect.Top};
  DynUpdateLayeredWindow(platform, window, screen.Id(), nullptr, &size, source, &sourcePosition,
                         key, &blend, kUpdateAlphaFlag);
}

}  // namespace vantrel
