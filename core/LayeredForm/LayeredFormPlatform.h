#pragma once

#include <cstdint>

#include "LayeredForm/FadeRequest.h"
#include "framework/Form.h"

namespace vantrel {

class FadeWorker;
class TLayeredForm;

// Opaque identities of a loaded module and of an entry point in it; 0 = none.
using ModuleId = std::uintptr_t;
using EntryPointId = std::uintptr_t;

struct LayerPoint {
  std::int32_t x = 0;
  std::int32_t y = 0;
  bool operator==(const LayerPoint&) const = default;
};

struct LayerSize {
  std::int32_t cx = 0;
  std::int32_t cy = 0;
  bool operator==(const LayerSize&) const = default;
};

struct LayerRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Right = 0;
  std::int32_t Bottom = 0;
  bool operator==(const LayerRect&) const = default;
};

// The four bytes of a blend function, in the platform's order.
struct BlendFunction {
  std::uint8_t BlendOp = 0;
  std::uint8_t BlendFlags = 0;
  std::uint8_t SourceConstantAlpha = 0;
  std::uint8_t AlphaFormat = 0;
  bool operator==(const BlendFunction&) const = default;
};

// The platform's values of the layered-window constants.
inline constexpr std::int32_t kLayeredExStyle = 0x80000;
inline constexpr std::uint32_t kLayerColorKeyFlag = 1;
inline constexpr std::uint32_t kLayerAlphaFlag = 2;
inline constexpr std::uint32_t kUpdateAlphaFlag = 2;

// Everything the layered window component asks of the window system. Colour
// keys arrive as the component computed them: 0x00BBGGRR, or 0x1FFFFFFF for
// clNone, which the implementation turns into its pixel.
class LayeredFormPlatform {
 public:
  virtual ~LayeredFormPlatform() = default;

  virtual std::int32_t ReadExStyle(WindowId window) = 0;
  virtual void WriteExStyle(WindowId window, std::int32_t exStyle) = 0;
  // The current 0x00BBGGRR of a system colour element.
  virtual std::uint32_t SystemColorRgb(int index) = 0;

  // An already loaded module by name; never loads one.
  virtual ModuleId FindLoadedModule(const char* name) = 0;
  virtual EntryPointId FindEntryPoint(ModuleId module, const char* name) = 0;
  virtual bool CallSetLayeredWindowAttributes(EntryPointId entry, WindowId window,
                                              std::uint32_t key, std::uint8_t alpha,
                                              std::uint32_t flags) = 0;
  virtual bool CallUpdateLayeredWindow(EntryPointId entry, WindowId window, SurfaceId destination,
                                       const LayerPoint* destinationPosition, const LayerSize* size,
                                       SurfaceId source, const LayerPoint* sourcePosition,
                                       std::uint32_t key, const BlendFunction* blend,
                                       std::uint32_t flags) = 0;

  // A drawing surface of the whole screen; every one is released again.
  virtual SurfaceId GetScreenSurface() = 0;
  virtual void ReleaseScreenSurface(SurfaceId surface) = 0;

  // Runs `request` on a worker thread of its own, carrying every change of
  // `layered` out on the GUI thread and ending with layered.ThreadDone there.
  // The worker stays valid until it has called ThreadDone or been abandoned.
  virtual FadeWorker& StartFade(TLayeredForm& layered, const FadeRequest& request) = 0;
};

}  // namespace vantrel
