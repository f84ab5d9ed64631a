#include "Main/TMainFrm.h"

#include <windows.h>

#include <memory>

#include "Main/ClockSizeRules.h"
#include "About/TAboutFrm.h"
#include "LayeredForm/TLayeredForm.h"
#include "LayeredForm/Win32LayeredFormPlatform.h"
#include "Main/TimeText.h"
#include "Pref/TPrefFrm.h"
#include "config/ColorName.h"
#include "config/SettingsPath.h"
#include "config/TIniFile.h"
#include "forms/ResourceIds.h"
#include "framework/Application.h"
#include "framework/Label.h"
#include "framework/ModulePath.h"
#include "framework/PopupMenu.h"
#include "framework/ScreenFontHeight.h"
#include "framework/SystemTimeSource.h"
#include "framework/Timer.h"
#include "framework/TrayIcon.h"
#include "tray/DateText.h"
#include "version/TProjectRcVersion.h"

namespace vantrel {

TMainFrm* MainFrm = nullptr;

namespace {

constexpr const char* kSection = "System";
constexpr std::size_t kMaxFaceBytes = 31;

std::string SettingsPath() { return SettingsPathForModule(ModulePath()); }

constexpr char kDateAndTimeSettings[] = "control.exe timedate.cpl";

}  // namespace

TMainFrm::TMainFrm(Component* owner) : TMainFrm(owner, SystemTimeSource::Instance()) {}

TMainFrm::TMainFrm(Component* owner, TimeSource& clock) : Win32Form(owner), clock_(clock) {
  // The layout: window settings first, then the components in order.
  SetCaption("MainFrm");
  SetLeft(194);
  SetTop(107);
  SetWidth(167);
  SetHeight(75);
  // The background is clNone, and clNone is what gets keyed out.
  SetColor(clNone);
  SetTransparentColor(true);
  SetAlphaBlendValue(0);
  onShow = [this] { FormShow(); };

  LayeredForm1 = new TLayeredForm(this, Win32LayeredFormPlatform::Instance());
  LayeredForm1->SetAlpha(255);
  LayeredForm1->SetColorKey(clNone);
  LayeredForm1->SetLayerType(ltColorKey);

  Clock_Timer = new Timer(this, 1000);
  Clock_Timer->onTimer = [this] { Clock_TimerTimer(); };

  PopMenu = new PopupMenu(this);
  PopMenu->Add("Preferences(&P)", [this] { PreferencesP1Click(); });
  PopMenu->AddSeparator();
  PopMenu->Add("Quit(&Q)", [this] { QuitQ1Click(); });
  PopMenu->AddSeparator();
  PopMenu->Add("About(&A)", [this] { About1Click(); });
  onContextPopup = [this](int x, int y) { PopMenu->Popup(x, y); };

  TrayIcon = new vantrel::TrayIcon(this);
  TrayIcon->LoadIconResource(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDI_MAINICON));
  TrayIcon->SetHint("zuzo_2");
  TrayIcon->onClick = [this](TrayButton, TrayShift, int, int) { RxTrayIcon1Click(); };
  TrayIcon->onMouseMove = [this](TrayShift, int, int) { TrayIconMouseMove(); };
  // The icon joins the notification area once the clock has been drawn (a
  // timer's message comes after the first paint): the shell may take a while
  // to answer the first icon of a session, and the clock should not wait.
  TrayIcon->SetActive(false);
  TrayIconDelay = new Timer(this, USER_TIMER_MINIMUM);
  TrayIconDelay->onTimer = [this] {
    TrayIconDelay->SetEnabled(false);
    TrayIcon->SetActive(true);
  };

  timeText = new Label(this);
  timeText->SetFont({"ＭＳ Ｐゴシック", 12, clWindowText, false, false, SHIFTJIS_CHARSET});
  timeText->SetColor(clNone);  // the window's colour: keyed out with the background
  timeText->SetCaption("timeText");
  timeText->mouse.onDoubleClick = [this] { timeText2DblClick(); };

  for (MouseEvents* events : {&mouse, &timeText->mouse}) {
    events->onDown = [this](MouseButton button, int x, int y) { timeText2MouseDown(button, x, y); };
    events->onMove = [this](int x, int y) { timeText2MouseMove(x, y); };
    events->onUp = [this](MouseButton button, int x, int y) { timeText2MouseUp(button, x, y); };
  }
  LoadedComponents();

  dispFontName.clear();
  dispFontColor.clear();
  LoadConfig();
  ApplyFont();
  UpdateTime();
  const Extent size = InitialClockSize({timeText->Width(), timeText->Height()});
  SetWidth(size.width);
  SetHeight(size.height);
  SetLeft(posX);
  SetTop(posY);
  const auto version = std::make_unique<TProjectRcVersion>();
  version->GetFileVersion(versionText, sizeof versionText);  // stays empty when unreadable
}

TMainFrm::~TMainFrm() {
  if (MainFrm == this) MainFrm = nullptr;
}

void TMainFrm::CreateParams(WindowParams& params) {
  params.style = WS_POPUP;
  params.exStyle = WS_EX_TOPMOST;
  // Owned by the hidden application window, so the clock has no taskbar entry.
  params.owner = App().Handle();
}

LRESULT TMainFrm::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  // Heard here rather than by a hidden window of its own, which would cost
  // the start-up a window.
  if (message == WM_SETTINGCHANGE) locale_.Refresh();
  return Win32Form::WndProc(message, wParam, lParam);
}

void TMainFrm::UpdateTime() {
  const std::string text = FormatTimeText(dispFormat, clock_.Now(), locale_.TimeSeparator());
  timeText->SetCaption(" ");
  timeText->SetWidth(0);
  timeText->Invalidate();
  Invalidate();
  timeText->SetCaption(text);
  timeText->Invalidate();
  if (const auto width = MidnightClockWidth(clock_.Now(), timeText->Width())) SetWidth(*width);
}

void TMainFrm::ApplyFont() {
  LabelFont font = timeText->Font();
  if (!dispFontName.empty()) font.face = dispFontName.substr(0, kMaxFaceBytes);
  font.height = ScreenFontHeight(dispFontSize);
  try {
    font.color = ColorFromName(dispFontColor);
  } catch (...) {
    timeText->SetFont(font);  // face and size stay applied when the colour is not usable
    throw;
  }
  font.bold = dispFontStyle == 1 || dispFontStyle == 3;
  font.underline = dispFontStyle == 2 || dispFontStyle == 3;
  timeText->SetFont(font);
  const Extent grown =
      ClockSizeAfterFontChange({Width(), Height()}, {timeText->Width(), timeText->Height()});
  if (grown.width != Width() || grown.height != Height()) {
    SetBounds(Left(), Top(), grown.width, grown.height);
  }
}

void TMainFrm::Clock_TimerTimer() { UpdateTime(); }

void TMainFrm::FormShow() { ShowWindow(App().Handle(), SW_HIDE); }

void TMainFrm::LoadConfig() {
  const TIniFile ini(SettingsPath());
  posX = ini.ReadInteger(kSection, "LastPositX", 0);
  posY = ini.ReadInteger(kSection, "LastPositY", 0);
  dispFormat = ini.ReadInteger(kSection, "DispFormat", 0);
  dispFontName = ini.ReadString(kSection, "DispFontName", "Terminal");
  dispFontSize = ini.ReadInteger(kSection, "DispFontSize", 14);
  dispFontColor = ini.ReadString(kSection, "DispFontColor", "clWhite");
  dispFontStyle = ini.ReadInteger(kSection, "DispFontStyle", 2);
}

void TMainFrm::SaveConfig(std::int32_t x, std::int32_t y) {
  TIniFile ini(SettingsPath());
  ini.WriteInteger(kSection, "LastPositX", x);
  ini.WriteInteger(kSection, "LastPositY", y);
  ini.WriteString(kSection, "DispFontName", dispFontName);
  ini.WriteInteger(kSection, "DispFontSize", dispFontSize);
  // A colour the clock cannot read back would stop every later start, so the
  // file keeps the last usable one.
  if (IsColorName(dispFontColor)) ini.WriteString(kSection, "DispFontColor", dispFontColor);
  ini.WriteInteger(kSection, "DispFontStyle", dispFontStyle);
  ini.WriteInteger(kSection, "DispFormat", dispFormat);
}

void TMainFrm::timeText2MouseDown(MouseButton, int x, int y) {
  drag_.Press(x, y);
  Clock_Timer->SetEnabled(false);
}

void TMainFrm::timeText2MouseMove(int x, int y) {
  if (const auto shift = drag_.Move(x, y)) {
    SetLeft(Left() + shift->dx);
    SetTop(Top() + shift->dy);
    timeText->Repaint();
  }
}

void TMainFrm::timeText2MouseUp(MouseButton, int x, int y) {
  const Offset shift = drag_.Release(x, y);
  SetLeft(Left() + shift.dx);
  SetTop(Top() + shift.dy);
  Clock_Timer->SetEnabled(true);
  SaveConfig(Left(), Top());
}

void TMainFrm::timeText2DblClick() {
  STARTUPINFOA startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  char commandLine[sizeof kDateAndTimeSettings];
  lstrcpyA(commandLine, kDateAndTimeSettings);  // the call may write into it
  if (CreateProcessA(nullptr, commandLine, nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                     &process)) {
    CloseHandle(process.hProcess);
    CloseHandle(process.hThread);
  }
}

void TMainFrm::RxTrayIcon1Click() {
  POINT cursor{};
  GetCursorPos(&cursor);
  SetForegroundWindow(Hwnd());
  PopMenu->Popup(cursor.x, cursor.y);
}

void TMainFrm::TrayIconMouseMove() {
  TrayIcon->SetHint(FormatDateText(clock_.Now(), locale_.DateSeparator()));
}

void TMainFrm::QuitQ1Click() { Close(); }

void TMainFrm::PreferencesP1Click() { RunDialog(PrefFrm, kPreferencesItem); }

void TMainFrm::About1Click() { RunDialog(AboutFrm, kAboutItem, std::string_view(versionText)); }

}  // namespace vantrel
