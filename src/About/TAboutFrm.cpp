#include "About/TAboutFrm.h"

#include <string>

#include "forms/ResourceIds.h"
#include "framework/HyperlinkLabel.h"
#include "framework/IconPicture.h"
#include "framework/ShadowLabel.h"
#include "framework/SkinnedButton.h"
#include "framework/StripedPanel.h"

namespace vantrel {

TAboutFrm* AboutFrm = nullptr;

TAboutFrm::TAboutFrm(Component* owner, std::string_view versionText)
    : DialogForm(owner, IDD_ABOUT),
      AdvPanel1(Item<StripedPanel>(IDC_ABOUT_PANEL)),
      HSNeoBtn1(Item<SkinnedButton>(IDC_ABOUT_OK)),
      LMDSimpleLabel1(Item<ShadowLabel>(IDC_ABOUT_TITLE)),
      Image1(Item<IconPicture>(IDC_ABOUT_ICON)),
      strVers(Item<ShadowLabel>(IDC_ABOUT_VERSION)),
      LMDSimpleLabel3(Item<ShadowLabel>(IDC_ABOUT_COPYRIGHT)),
      HTMLabel1(Item<HyperlinkLabel>(IDC_ABOUT_LINK)) {
  SetPosition(Position::ScreenCenter);
  HSNeoBtn1->onClick = [this] { HSNeoBtn1Click(); };
  strVers->SetText(std::string(versionText));
}

void TAboutFrm::HSNeoBtn1Click() { Close(); }

}  // namespace vantrel
