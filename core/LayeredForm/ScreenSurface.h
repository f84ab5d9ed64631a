#pragma once

#include "LayeredForm/LayeredFormPlatform.h"

namespace vantrel {

// A drawing surface of the whole screen, released when this goes.
class ScreenSurface final {
 public:
  explicit ScreenSurface(LayeredFormPlatform& platform);
  ~ScreenSurface();
  ScreenSurface(const ScreenSurface&) = delete;
  ScreenSurface& operator=(const ScreenSurface&) = delete;

  SurfaceId Id() const { return surface_; }

 private:
  LayeredFormPlatform& platform_;
  SurfaceId surface_;
};

}  // namespace vantrel
