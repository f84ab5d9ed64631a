#pragma once

#include "LayeredForm/LayeredFormPlatform.h"

namespace vantrel {

// The layered-window platform of Win32, shared by every layered form.
class Win32LayeredFormPlatform final : public LayeredFormPlatform {
 public:
  static Win32LayeredFormPlatform& Instance();

  std::int32_t ReadExStyle(WindowId window) override;
  void WriteExStyle(WindowId window, std::int32_t exStyle) override;
  std::uint32_t SystemColorRgb(int index) override;
  ModuleId FindLoadedModule(const char* name) override;
  EntryPointId FindEntryPoint(ModuleId module, const char* name) override;
  bool CallSetLayeredWindowAttributes(EntryPointId entry, WindowId window, std::uint32_t key,
                                      std::uint8_t alpha, std::uint32_t flags) override;
  bool CallUpdateLayeredWindow(EntryPointId entry, WindowId window, SurfaceId destination,
                               const LayerPoint* destinationPosition, const LayerSize* size,
                               SurfaceId source, const LayerPoint* sourcePosition,
                               std::uint32_t key, const BlendFunction* blend,
                               std::uint32_t flags) override;
  SurfaceId GetScreenSurface() override;
  void ReleaseScreenSurface(SurfaceId surface) override;
  FadeWorker& StartFade(TLayeredForm& layered, const FadeRequest& request) override;
};

}  // namespace vantrel
