#pragma once

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "LayeredForm/FadeWorker.h"
#include "LayeredForm/LayeredFormPlatform.h"

namespace vantrel {

// A started fade that only remembers what it was asked.
class RecordedFade final : public FadeWorker {
 public:
  explicit RecordedFade(const FadeRequest& r) : request(r) {}
  void Abandon() override { abandoned = true; }

  FadeRequest request;
  bool abandoned = false;
};

struct AttributesCall {
  WindowId window;
  std::uint32_t key;
  std::uint8_t alpha;
  std::uint32_t flags;
  bool operator==(const AttributesCall&) const = default;
};

struct UpdateCall {
  WindowId window;
  SurfaceId destination;
  bool withDestinationPosition;
  LayerSize size;
  SurfaceId source;
  LayerPoint sourcePosition;
  std::uint32_t key;
  BlendFunction blend;
  std::uint32_t flags;
};

// Records what the component asks of the window system, in order, and keeps
// one window's extended style.
class RecordingLayeredFormPlatform final : public LayeredFormPlatform {
 public:
  static constexpr ModuleId kUser32 = 0x7700;
  static constexpr EntryPointId kAttributesEntry = 0x7701;
  static constexpr EntryPointId kUpdateEntry = 0x7702;
  static constexpr SurfaceId kScreen = 0x5C0;

  std::int32_t ReadExStyle(WindowId) override {
    calls.push_back("ReadExStyle");
    return exStyle;
  }
  void WriteExStyle(WindowId, std::int32_t value) override {
    calls.push_back("WriteExStyle");
    exStyle = value;
  }
  std::uint32_t SystemColorRgb(int index) override {
    return 0x00A00000u + static_cast<std::uint32_t>(index);
  }
  ModuleId FindLoadedModule(const char* name) override {
    calls.push_back(std::string("FindLoadedModule ") + name);
    return user32Loaded && std::string(name) == "USER32.DLL" ? kUser32 : 0;
  }
  EntryPointId FindEntryPoint(ModuleId module, const char* name) override {
    calls.push_back(std::string("FindEntryPoint ") + name);
    if (module != kUser32 || missingEntries.count(name)) return 0;
    return std::string(name) == "SetLayeredWindowAttributes" ? kAttributesEntry : kUpdateEntry;
  }
  bool CallSetLayeredWindowAttributes(EntryPointId entry, WindowId window, std::uint32_t key,
                                      std::uint8_t alpha, std::uint32_t flags) override {
    calls.push_back("SetLayeredWindowAttributes");
    if (entry == kAttributesEntry) attributes.push_back({window, key, alpha, flags});
    return true;
  }
  bool CallUpdateLayeredWindow(EntryPointId entry, WindowId window, SurfaceId destination,
                               const LayerPoint* destinationPosition, const LayerSize* size,
                               SurfaceId source, const LayerPoint* sourcePosition,
                               std::uint32_t key, const BlendFunction* blend,
                               std::uint32_t flags) override {
    calls.push_back("UpdateLayeredWindow");
    if (entry == kUpdateEntry) {
      updates.push_back({window, destination, destinationPosition != nullptr, *size, source,
                         *sourcePosition, key, *blend, flags});
    }
    // Refused, as the platform does after an attributes call.
    return false;
  }
  SurfaceId GetScreenSurface() override {
    calls.push_back("GetScreenSurface");
    ++screenSurfacesHeld;
    return kScreen;
  }
  void ReleaseScreenSurface(SurfaceId surface) override {
    calls.push_back(surface == kScreen ? "ReleaseScreenSurface" : "ReleaseScreenSurface ?");
    --screenSurfacesHeld;
  }
  FadeWorker& StartFade(TLayeredForm&, const FadeRequest& request) override {
    fades.push_back(std::make_unique<RecordedFade>(request));
    return *fades.back();
  }

  void Forget() {
    calls.clear();
    attributes.clear();
    updates.clear();
  }

  bool user32Loaded = true;
  std::set<std::string> missingEntries;
  std::int32_t exStyle = 0;
  int screenSurfacesHeld = 0;
  std::vector<std::string> calls;
  std::vector<AttributesCall> attributes;
  std::vector<UpdateCall> updates;
  std::vector<std::unique_ptr<RecordedFade>> fades;
};

}  // namespace vantrel
