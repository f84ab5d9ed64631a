#pragma once

#include <cstdint>

#include "framework/Component.h"

namespace vantrel {

// Opaque identities of a platform window and drawing surface; the portable
// code only passes them on.
using WindowId = std::uintptr_t;
using SurfaceId = std::uintptr_t;

// A top-level window as the portable components see it.
class Form : public Component {
 public:
  using Component::Component;

  // The window, created on first demand.
  virtual WindowId Handle() = 0;
  // The drawing surface of the client area (creates the window too).
  virtual SurfaceId CanvasHandle() = 0;
  virtual int ClientWidth() = 0;
  virtual int ClientHeight() = 0;
  // Processes pending painting at once, if the window exists.
  virtual void Update() = 0;
};

}  // namespace vantrel
