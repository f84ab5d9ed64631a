#include "LayeredForm/TLayeredForm.h"

#include <algorithm>

#include "LayeredForm/ELayeredFormError.h"
#include "LayeredForm/FadeWorker.h"
#include "LayeredForm/LayeredWindowCalls.h"

namespace vantrel {

TLayeredForm::TLayeredForm(Component* owner, LayeredFormPlatform& platform)
    : Component(owner), FPlatform(platform) {
  // A throw leaves the owner's list again through the base destructor.
  if (!dynamic_cast<Form*>(owner)) throw ELayeredFormError("Control parent must be a form!");
  const auto& siblings = owner->Components();
  const auto instances = std::count_if(siblings.begin(), siblings.end(), [](Component* c) {
    return dynamic_cast<TLayeredForm*>(c) != nullptr;
  });
  if (instances > 1) {
    throw ELayeredFormError("Only one instance of TLayeredForm allowed on form");
  }
}

TLayeredForm::~TLayeredForm() {
  if (FFadeWorker) FFadeWorker->Abandon();
}

Form& TLayeredForm::OwnerForm() const { return static_cast<Form&>(*Owner()); }

void TLayeredForm::Loaded() {
  Component::Loaded();
  Form& form = OwnerForm();
  FFormRect = {0, 0, form.ClientWidth(), form.ClientHeight()};
  form.Update();
}

std::uint32_t TLayeredForm::KeyRgb() const {
  if (FColorKey < 0) return FPlatform.SystemColorRgb(FColorKey & 0xFF);
  return static_cast<std::uint32_t>(FColorKey);
}

void TLayeredForm::Update() {
  Form& form = OwnerForm();
  switch (FLayerType) {
    case ltNone: {
      const WindowId window = form.Handle();
      FPlatform.WriteExStyle(window, FPlatform.ReadExStyle(window) & ~kLayeredExStyle);
      break;
    }
    case ltAlphaBlend:
    case ltColorKey: {
      // The surface first: taking it creates the window if need be.
      const SurfaceId canvas = form.CanvasHandle();
      ApplyLayer(FPlatform, form.Handle(), canvas, KeyRgb(), FAlpha, FFormRect,
                 FLayerType == ltAlphaBlend ? kLayerAlphaFlag : kLayerColorKeyFlag);
      break;
    }
  }
}

void TLayeredForm::SetAlpha(std::uint8_t value) {
  FAlpha = value;
  if (FLayerType == ltAlphaBlend) Update();
}

void TLayeredForm::SetColorKey(TColor value) {
  FColorKey = value;
  if (FLayerType == ltColorKey) Update();
}

void TLayeredForm::SetLayerType(TLayerType value) {
  if (value == FLayerType) return;
  FLayerType = value;
  Update();
}

void TLayeredForm::FadeIn(std::int32_t delay, std::uint8_t step) { StartFade(true, delay, step); }

void TLayeredForm::FadeOut(std::int32_t delay, std::uint8_t step) { StartFade(false, delay, step); }

void TLayeredForm::StartFade(bool fadingIn, std::int32_t delay, std::uint8_t step) {
  FFade = BoundedFadeRequest(fadingIn, delay, step);
  if (FFadeWorker) FFadeWorker->Abandon();
  // Cleared first, so that a worker that fails to start leaves nothing behind.
  FFadeWorker = nullptr;
  FFadeWorker = &FPlatform.StartFade(*this, FFade);
}

void TLayeredForm::ThreadDone(FadeWorker& sender) {
  // Only the running fade reports; one that was replaced has nothing to say.
  if (&sender != FFadeWorker) return;
  FFadeWorker = nullptr;
  // A copy, and the last use of this: the handler may destroy the component.
  const TFadeThreadDone done = FFade.fadingIn ? OnFadeInDone : OnFadeOutDone;
  if (done) done(this);
}

}  // namespace vantrel
