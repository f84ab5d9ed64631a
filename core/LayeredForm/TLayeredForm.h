#pragma once

#include <cstdint>
#include <functional>

#include "LayeredForm/FadeRequest.h"
#include "LayeredForm/LayeredFormPlatform.h"
#include "config/Color.h"
#include "framework/Component.h"
#include "framework/Form.h"

namespace vantrel {

class FadeWorker;

enum TLayerType : std::uint8_t {
  ltNone = 0,        // not layered
  ltAlphaBlend = 1,  // the whole window at opacity Alpha/255
  ltColorKey = 2,    // every pixel of ColorKey fully transparent
};

// Fired on the GUI thread with the component as sender.
using TFadeThreadDone = std::function<void(Component* sender)>;

// Makes its owner form a layered window. At most one per form, and only on a
// form; construction fails with ELayeredFormError otherwise.
class TLayeredForm : public Component {
 public:
  TLayeredForm(Component* owner, LayeredFormPlatform& platform);
  ~TLayeredForm() override;

  // Captures the form's client rectangle once and has the form paint.
  void Loaded() override;
  // Applies LayerType, Alpha and ColorKey to the owner's window.
  void Update();

  std::uint8_t Alpha() const { return FAlpha; }
  TColor ColorKey() const { return FColorKey; }
  TLayerType LayerType() const { return FLayerType; }
  // Each writer stores its value; Alpha applies in ltAlphaBlend, ColorKey in
  // ltColorKey, and LayerType whenever it changes.
  void SetAlpha(std::uint8_t value);
  void SetColorKey(TColor value);
  void SetLayerType(TLayerType value);

  // Fades the form from transparent to opaque, or back, on a worker thread and
  // returns at once; the form ends in ltAlphaBlend. A new request replaces a
  // fade that still runs: that one stops and reports nothing.
  void FadeIn(std::int32_t delay, std::uint8_t step);
  void FadeOut(std::int32_t delay, std::uint8_t step);
  // The end of the running fade, on the GUI thread: fires the done event of
  // the latest direction.
  void ThreadDone(FadeWorker& sender);

  TFadeThreadDone OnFadeInDone;
  TFadeThreadDone OnFadeOutDone;

 private:
  Form& OwnerForm() const;
  // ColorKey as the platform takes it: system colours resolved to their RGB.
  std::uint32_t KeyRgb() const;
  void StartFade(bool fadingIn, std::int32_t delay, std::uint8_t step);

  LayeredFormPlatform& FPlatform;
  std::uint8_t FAlpha = 255;
  TLayerType FLayerType = ltNone;
  TColor FColorKey = clBlack;
  LayerRect FFormRect;
  FadeRequest FFade;
  FadeWorker* FFadeWorker = nullptr;
};

}  // namespace vantrel
