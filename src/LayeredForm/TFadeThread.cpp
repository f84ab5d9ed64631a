#include "LayeredForm/TFadeThread.h"

#include "LayeredForm/FadeSequence.h"
#include "LayeredForm/TickWait.h"

namespace vantrel {

TFadeThread::TFadeThread(TLayeredForm& layered, const FadeRequest& request)
    : FLayeredForm(&layered), FRequest(request) {
  OnTerminate = [this](WorkerThread&) {
    if (FLayeredForm) FLayeredForm->ThreadDone(*this);
  };
}

void TFadeThread::Abandon() {
  FLayeredForm = nullptr;
  Terminate();
}

void TFadeThread::Execute() { RunFade(FRequest, *this); }

void TFadeThread::OnGuiThread(const std::function<void(TLayeredForm&)>& change) {
  // An abandoned fade runs out without bothering the GUI thread.
  if (Terminated()) return;
  Synchronize([this, &change] {
    if (FLayeredForm) change(*FLayeredForm);
  });
}

void TFadeThread::SetAlpha(std::uint8_t alpha) {
  OnGuiThread([alpha](TLayeredForm& layered) { layered.SetAlpha(alpha); });
}

void TFadeThread::SwitchToAlphaBlend() {
  OnGuiThread([](TLayeredForm& layered) { layered.SetLayerType(ltAlphaBlend); });
}

bool TFadeThread::Wait(std::uint32_t delay) {
  return WaitForTicks(
      delay, [] { return static_cast<std::uint32_t>(GetTickCount()); },
      [this](std::uint32_t remaining) { return PauseUnlessTerminated(remaining); });
}

}  // namespace vantrel
