#pragma once

#include <string_view>

#include "framework/DialogForm.h"

namespace vantrel {

class HyperlinkLabel;
class IconPicture;
class ShadowLabel;
class SkinnedButton;
class StripedPanel;

// The About dialog: the program icon, the product name with the version
// string, the maker's copyright notice and a link to the maker's web site,
// on a striped panel, centred on the screen. Only its OK button, the close
// box and Alt+F4 close it.
class TAboutFrm final : public DialogForm {
 public:
  // `versionText` is the version string the clock window read at start-up
  // (MainFrm->versionText); it replaces the layout's "-" after the name.
  TAboutFrm(Component* owner, std::string_view versionText);

  StripedPanel* AdvPanel1;
  SkinnedButton* HSNeoBtn1;
  ShadowLabel* LMDSimpleLabel1;
  IconPicture* Image1;
  ShadowLabel* strVers;
  ShadowLabel* LMDSimpleLabel3;
  HyperlinkLabel* HTMLabel1;

  void HSNeoBtn1Click();
};

// The About dialog while its modal run lasts.
extern TAboutFrm* AboutFrm;

}  // namespace vantrel
