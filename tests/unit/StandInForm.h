#pragma once

#include "framework/Form.h"

namespace vantrel {

// A form without a window system: fixed ids, a settable client size, and a
// count of the repaints asked of it.
class StandInForm final : public Form {
 public:
  static constexpr WindowId kWindow = 0x1230;
  static constexpr SurfaceId kCanvas = 0xCA0;

  StandInForm() : Form(nullptr) {}
  WindowId Handle() override { return kWindow; }
  SurfaceId CanvasHandle() override { return kCanvas; }
  int ClientWidth() override { return clientWidth; }
  int ClientHeight() override { return clientHeight; }
  void Update() override { ++repaints; }

  int clientWidth = 120;
  int clientHeight = 45;
  int repaints = 0;
};

}  // namespace vantrel
