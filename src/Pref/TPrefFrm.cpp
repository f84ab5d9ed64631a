#include "Pref/TPrefFrm.h"

#include <string_view>

#include "Main/TMainFrm.h"
#include "Pref/DialogPlacement.h"
#include "Pref/FontStyleBits.h"
#include "Pref/ItemMatch.h"
#include "forms/ResourceIds.h"
#include "framework/CheckBox.h"
#include "framework/ColorComboBox.h"
#include "framework/FontComboBox.h"
#include "framework/FontSizeComboBox.h"
#include "framework/RadioButton.h"
#include "framework/ShadowLabel.h"
#include "framework/SkinnedButton.h"
#include "framework/StripedPanel.h"

namespace vantrel {

TPrefFrm* PrefFrm = nullptr;

namespace {

constexpr TColor kTwelveHourDot = clRed;
constexpr TColor kTwentyFourHourDot = clBlack;

// The platform's locale-aware comparison without regard to case.
bool EqualsForLocale(std::string_view item, std::string_view wanted) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, item.data(),
                        static_cast<int>(item.size()), wanted.data(),
                        static_cast<int>(wanted.size())) == CSTR_EQUAL;
}

}  // namespace

TPrefFrm::TPrefFrm(Component* owner)
    : DialogForm(owner, IDD_PREF,
                 {&RadioButton::Register, &CheckBox::Register, &ColorComboBox::Register,
                  &FontComboBox::Register, &FontSizeComboBox::Register}),
      AdvPanel1(Item<StripedPanel>(IDC_PREF_PANEL)),
      LMDSimpleLabel1(Item<ShadowLabel>(IDC_PREF_FORMAT_LABEL)),
      disp_12(Item<RadioButton>(IDC_PREF_DISP12)),
      disp_24(Item<RadioButton>(IDC_PREF_DISP24)),
      HSNeoBtn1(Item<SkinnedButton>(IDC_PREF_OK)),
      HSNeoBtn2(Item<SkinnedButton>(IDC_PREF_CANCEL)),
      LMDSimpleLabel2(Item<ShadowLabel>(IDC_PREF_FONT_LABEL)),
      LMDSimpleLabel3(Item<ShadowLabel>(IDC_PREF_COLOR_LABEL)),
      colorFont(Item<ColorComboBox>(IDC_PREF_COLOR)),
      fontName(Item<FontComboBox>(IDC_PREF_FONT)),
      sizeFont(Item<FontSizeComboBox>(IDC_PREF_SIZE)),
      LMDSimpleLabel4(Item<ShadowLabel>(IDC_PREF_SIZE_LABEL)),
      LMDSimpleLabel5(Item<ShadowLabel>(IDC_PREF_STYLE_LABEL)),
      styleBold(Item<CheckBox>(IDC_PREF_BOLD)),
      styleUnderline(Item<CheckBox>(IDC_PREF_UNDERLINE)),
      LMDSimpleLabel6(Item<ShadowLabel>(IDC_PREF_DISP12_LABEL)),
      LMDSimpleLabel7(Item<ShadowLabel>(IDC_PREF_DISP24_LABEL)),
      LMDSimpleLabel8(Item<ShadowLabel>(IDC_PREF_BOLD_LABEL)),
      LMDSimpleLabel9(Item<ShadowLabel>(IDC_PREF_UNDERLINE_LABEL)),
      HSNeoBtn3(Item<SkinnedButton>(IDC_PREF_APPLY)) {
  disp_12->SetMarkColor(kTwelveHourDot);
  disp_24->SetMarkColor(kTwentyFourHourDot);
  sizeFont->LinkTo(*fontName);
  HSNeoBtn1->onClick = [this] { HSNeoBtn1Click(); };
  HSNeoBtn2->onClick = [this] { HSNeoBtn2Click(); };
  HSNeoBtn3->onClick = [this] { HSNeoBtn3Click(); };
  LMDSimpleLabel6->onClick = [this] { LMDSimpleLabel6Click(); };
  LMDSimpleLabel7->onClick = [this] { LMDSimpleLabel7Click(); };
  LMDSimpleLabel8->onClick = [this] { LMDSimpleLabel8Click(); };
  LMDSimpleLabel9->onClick = [this] { LMDSimpleLabel9Click(); };
  LoadSettings();
}

void TPrefFrm::LoadSettings() {
  const TMainFrm& clock = *MainFrm;
  (clock.dispFormat != 0 ? disp_12 : disp_24)->SetChecked(true);
  PlaceBelowClock();
  fontName->SetSelectedFont(clock.dispFontName);
  colorFont->SetItemIndex(
      SelectionIndex(FirstMatchingItem(colorFont->Items(), clock.dispFontColor, &EqualsForLocale),
                     static_cast<std::size_t>(colorFont->ItemCount())));
  sizeFont->SetItemIndex(SelectionIndex(FirstSizeItem(sizeFont->Items(), clock.dispFontSize),
                                        static_cast<std::size_t>(sizeFont->ItemCount())));
  const StyleChecks style = StyleChecksFromCode(clock.dispFontStyle);
  styleBold->SetChecked(style.bold);
  styleUnderline->SetChecked(style.underline);
}

void TPrefFrm::PlaceBelowClock() {
  const TMainFrm& clock = *MainFrm;
  const ScreenPosition place =
      PreferencesPosition({clock.Left(), clock.Top(), clock.Width(), clock.Height()}, Width(),
                          Height(), GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
  SetPlace(place.left, place.top);
}

void TPrefFrm::CollectSettings() {
  TMainFrm& clock = *MainFrm;
  clock.dispFormat = disp_12->Checked() ? 1 : 0;
  clock.dispFontName = fontName->GetSelectedFont();
  clock.dispFontColor = colorFont->GetSelectedColorName();
  clock.dispFontSize = sizeFont->GetSelected();
  clock.dispFontStyle = StyleCodeFromChecks({styleBold->Checked(), styleUnderline->Checked()});
}

void TPrefFrm::ApplySettings() {
  CollectSettings();
  MainFrm->ApplyFont();
}

void TPrefFrm::HSNeoBtn1Click() {
  ApplySettings();
  MainFrm->SaveConfig(MainFrm->Left(), MainFrm->Top());
  SetModalResult(ModalResult::Ok);
}

void TPrefFrm::HSNeoBtn2Click() { Close(); }

void TPrefFrm::HSNeoBtn3Click() { ApplySettings(); }

void TPrefFrm::LMDSimpleLabel6Click() { disp_12->SetChecked(true); }

void TPrefFrm::LMDSimpleLabel7Click() { disp_24->SetChecked(true); }

void TPrefFrm::LMDSimpleLabel8Click() { styleBold->Toggle(); }

void TPrefFrm::LMDSimpleLabel9Click() { styleUnderline->Toggle(); }

bool TPrefFrm::DialogMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
  if (message == WM_SHOWWINDOW && wParam) {
    // The focus starts on the checked radio button, once the dialog is active.
    const RadioButton* checked = disp_12->Checked() ? disp_12 : disp_24;
    PostMessageA(Handle(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(checked->Handle()), TRUE);
  }
  return DialogForm::DialogMessage(message, wParam, lParam, result);
}

}  // namespace vantrel
