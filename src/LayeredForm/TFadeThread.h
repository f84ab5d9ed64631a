#pragma once

#include <cstdint>
#include <functional>

#include "LayeredForm/FadeRequest.h"
#include "LayeredForm/FadeTarget.h"
#include "LayeredForm/FadeWorker.h"
#include "LayeredForm/TLayeredForm.h"
#include "framework/WorkerThread.h"

namespace vantrel {

// The worker of one fade: decides the alpha values and waits on its own
// thread, while every change of the component happens on the GUI thread, in
// order. Reports the end through the component's ThreadDone.
class TFadeThread final : public WorkerThread, public FadeWorker, private FadeTarget {
 public:
  // On the GUI thread; Start it through WorkerThread::Start.
  TFadeThread(TLayeredForm& layered, const FadeRequest& request);

  void Abandon() override;

 private:
  void Execute() override;
  void SetAlpha(std::uint8_t alpha) override;
  void SwitchToAlphaBlend() override;
  bool Wait(std::uint32_t delay) override;
  // Carries `change` out on the GUI thread, unless the fade was abandoned.
  void OnGuiThread(const std::function<void(TLayeredForm&)>& change);

  // Read and written on the GUI thread only; null once abandoned.
  TLayeredForm* FLayeredForm;
  const FadeRequest FRequest;
};

}  // namespace vantrel
