#pragma once

#include <cstdint>
#include <string>

#include "Main/DragTracker.h"
#include "framework/LocalDateTime.h"
#include "framework/MouseEvents.h"
#include "framework/Win32Form.h"

namespace vantrel {

class Label;
class Timer;

// The clock window: a borderless, always-on-top window whose only visible
// content is the time text.
class TMainFrm final : public Win32Form {
 public:
  explicit TMainFrm(Component* owner, TimeSource& clock);
  explicit TMainFrm(Component* owner);
  ~TMainFrm() override;

  void UpdateTime();
  void ApplyFont();
  void LoadConfig();
  void SaveConfig(std::int32_t x, std::int32_t y);

  void Clock_TimerTimer();
  void FormShow();
  void timeText2MouseDown(MouseButton button, int x, int y);
  void timeText2MouseMove(int x, int y);
  void timeText2MouseUp(MouseButton button, int x, int y);

  Timer* Clock_Timer = nullptr;
  Label* timeText = nullptr;

  std::int32_t posX = 0;
  std::int32_t posY = 0;
  std::int32_t dispFormat = 0;
  std::string dispFontName;
  std::int32_t dispFontSize = 0;
  std::string dispFontColor;
  std::int32_t dispFontStyle = 0;
  char versionText[256] = {};

  const DragTracker& Drag() const { return drag_; }

 protected:
  void CreateParams(WindowParams& params) override;

 private:
  TimeSource& clock_;
  DragTracker drag_;
};

// The clock window of this process, set while it is being constructed.
extern TMainFrm* MainFrm;

}  // namespace vantrel
