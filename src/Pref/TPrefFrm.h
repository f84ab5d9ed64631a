#pragma once

#include <windows.h>

#include "framework/DialogForm.h"

namespace vantrel {

class CheckBox;
class ColorComboBox;
class FontComboBox;
class FontSizeComboBox;
class RadioButton;
class ShadowLabel;
class SkinnedButton;
class StripedPanel;

// The Preferences dialog: time format, face, colour, size, bold and
// underline of the clock's time text. It opens below the clock, loaded from
// the clock window's fields; 更新 applies the controls to the clock, Ok
// applies and saves them, Cancel and the close box only close.
class TPrefFrm final : public DialogForm {
 public:
  explicit TPrefFrm(Component* owner);

  StripedPanel* AdvPanel1;
  ShadowLabel* LMDSimpleLabel1;
  RadioButton* disp_12;
  RadioButton* disp_24;
  SkinnedButton* HSNeoBtn1;
  SkinnedButton* HSNeoBtn2;
  ShadowLabel* LMDSimpleLabel2;
  ShadowLabel* LMDSimpleLabel3;
  ColorComboBox* colorFont;
  FontComboBox* fontName;
  FontSizeComboBox* sizeFont;
  ShadowLabel* LMDSimpleLabel4;
  ShadowLabel* LMDSimpleLabel5;
  CheckBox* styleBold;
  CheckBox* styleUnderline;
  ShadowLabel* LMDSimpleLabel6;
  ShadowLabel* LMDSimpleLabel7;
  ShadowLabel* LMDSimpleLabel8;
  ShadowLabel* LMDSimpleLabel9;
  SkinnedButton* HSNeoBtn3;

  // Copies the five control values into the clock window's fields.
  void CollectSettings();

  void HSNeoBtn1Click();
  void HSNeoBtn2Click();
  void HSNeoBtn3Click();
  void LMDSimpleLabel6Click();
  void LMDSimpleLabel7Click();
  void LMDSimpleLabel8Click();
  void LMDSimpleLabel9Click();

 protected:
  bool DialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) override;

 private:
  void LoadSettings();
  void PlaceBelowClock();
  // CollectSettings, then ApplyFont on the clock window.
  void ApplySettings();
};

// The Preferences dialog while its modal run lasts.
extern TPrefFrm* PrefFrm;

}  // namespace vantrel
