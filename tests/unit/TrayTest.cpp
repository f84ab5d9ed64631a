#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "tray/TrayMouseTracker.h"
#include "tray/TrayTooltip.h"

namespace vantrel {
namespace {

using Kind = TrayEventKind;
constexpr TrayButton kLeft = TrayButton::Left;
constexpr TrayButton kRight = TrayButton::Right;
constexpr TrayButton kMiddle = TrayButton::Middle;

struct Step {
  TrayReport report;
  TrayButton button;
  std::vector<TrayEvent> events;
};

void Play(TrayMouseTracker& tracker, const std::vector<Step>& steps, const char* name) {
  for (std::size_t i = 0; i < steps.size(); ++i) {
    EXPECT_EQ(tracker.Report(steps[i].report, steps[i].button), steps[i].events)
        << name << ", report " << i;
  }
}

TEST(TrayMouseTracker, RaisesTheEventsOfEachReportInOrder) {
  const TrayEvent move{Kind::MouseMove};
  const std::pair<const char*, std::vector<Step>> cases[] = {
      {"move", {{TrayReport::Move, kLeft, {move}}, {TrayReport::Move, kRight, {move}}}},
      {"left click",
       {{TrayReport::Down, kLeft, {{Kind::MouseDown, kLeft}}},
        {TrayReport::Move, kLeft, {move}},
        {TrayReport::Up, kLeft, {{Kind::Click, kLeft}, {Kind::MouseUp, kLeft}}}}},
      {"right click",
       {{TrayReport::Down, kRight, {{Kind::MouseDown, kRight}}},
        {TrayReport::Up, kRight, {{Kind::Click, kRight}, {Kind::MouseUp, kRight}}}}},
      {"middle click is none",
       {{TrayReport::Down, kMiddle, {{Kind::MouseDown, kMiddle}}},
        {TrayReport::Up, kMiddle, {{Kind::MouseUp, kMiddle}}},
        {TrayReport::DoubleClick, kMiddle, {{Kind::MouseDown, kMiddle, true}}},
        {TrayReport::Up, kMiddle, {{Kind::MouseUp, kMiddle}}}}},
      {"release without a press",
       {{TrayReport::Up, kLeft, {{Kind::MouseUp, kLeft}}},
        {TrayReport::Up, kRight, {{Kind::MouseUp, kRight}}}}},
      // The shell's order for a double-click: down, up, double-click, up.
      {"left double-click",
       {{TrayReport::Down, kLeft, {{Kind::MouseDown, kLeft}}},
        {TrayReport::Up, kLeft, {{Kind::Click, kLeft}, {Kind::MouseUp, kLeft}}},
        {TrayReport::DoubleClick, kLeft, {{Kind::DoubleClick}, {Kind::MouseDown, kLeft, true}}},
        {TrayReport::Up, kLeft, {{Kind::MouseUp, kLeft}}}}},
      {"right double-click",
       {{TrayReport::Down, kRight, {{Kind::MouseDown, kRight}}},
        {TrayReport::Up, kRight, {{Kind::Click, kRight}, {Kind::MouseUp, kRight}}},
        {TrayReport::DoubleClick, kRight, {{Kind::MouseDown, kRight, true}}},
        {TrayReport::Up, kRight, {{Kind::MouseUp, kRight}}}}},
      // Each button keeps its own flag: a right release does not fire the left click.
      {"buttons armed apart",
       {{TrayReport::Down, kLeft, {{Kind::MouseDown, kLeft}}},
        {TrayReport::Up, kRight, {{Kind::MouseUp, kRight}}},
        {TrayReport::Down, kRight, {{Kind::MouseDown, kRight}}},
        {TrayReport::Up, kLeft, {{Kind::Click, kLeft}, {Kind::MouseUp, kLeft}}},
        {TrayReport::Up, kLeft, {{Kind::MouseUp, kLeft}}},
        {TrayReport::Up, kRight, {{Kind::Click, kRight}, {Kind::MouseUp, kRight}}}}},
  };
  for (const auto& [name, steps] : cases) {
    TrayMouseTracker tracker;
    Play(tracker, steps, name);
  }
}

TEST(TrayMouseTracker, DisarmingDropsHalfMadeClicks) {
  TrayMouseTracker tracker;
  tracker.Report(TrayReport::Down, kLeft);
  tracker.Report(TrayReport::Down, kRight);
  tracker.Disarm();  // the icon was added again or removed between press and release
  Play(tracker,
       {{TrayReport::Up, kLeft, {{Kind::MouseUp, kLeft}}},
        {TrayReport::Up, kRight, {{Kind::MouseUp, kRight}}},
        {TrayReport::Down, kLeft, {{Kind::MouseDown, kLeft}}},
        {TrayReport::Up, kLeft, {{Kind::Click, kLeft}, {Kind::MouseUp, kLeft}}}},
       "after disarming");
}

TEST(TrayTooltip, TakesTheTextBeforeTheFirstBarCutToTheLimit) {
  const std::string sixty(60, 'a');
  const std::string sixtyThree(63, 'b');
  const std::pair<std::string, std::string> cases[] = {
      {"zuzo_2", "zuzo_2"},
      {"", ""},
      {"short|long hint|more", "short"},
      {"|only long", ""},
      {"2005/8/2|", "2005/8/2"},
      {sixtyThree, sixtyThree},
      {sixtyThree + "c", sixtyThree},
      {sixtyThree + "|x", sixtyThree},
      {sixty + "|" + sixtyThree, sixty},
      // "ポ" is 83 7C in Shift-JIS: its second byte is no bar.
      {"\x83\x7C\x83\x8B|x", "\x83\x7C\x83\x8B"},
      // A double-byte character that would end past the limit is left out whole.
      {std::string(62, 'a') + "\x93\xFA", std::string(62, 'a')},
      {std::string(61, 'a') + "\x93\xFA" + "z", std::string(61, 'a') + "\x93\xFA"},
  };
  for (const auto& [hint, tip] : cases) {
    EXPECT_EQ(TrayTooltipFromHint(hint), tip) << hint;
    EXPECT_LE(TrayTooltipFromHint(hint).size(), kTrayTooltipLimit);
  }
}

}  // namespace
}  // namespace vantrel
