#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "LayeredForm/FadeSequence.h"
#include "LayeredForm/TLayeredForm.h"
#include "LayeredForm/TickWait.h"
#include "RecordingLayeredFormPlatform.h"
#include "StandInForm.h"

namespace vantrel {
namespace {

// Writes what a fade does as a line: "a<alpha>", "blend", "w<delay>".
class TracingTarget final : public FadeTarget {
 public:
  void SetAlpha(std::uint8_t alpha) override { Add("a" + std::to_string(alpha)); }
  void SwitchToAlphaBlend() override { Add("blend"); }
  bool Wait(std::uint32_t delay) override {
    Add("w" + std::to_string(delay));
    return ++waits != stopAtWait;
  }

  std::string trace;
  int waits = 0;
  int stopAtWait = -1;

 private:
  void Add(const std::string& step) { trace += trace.empty() ? step : " " + step; }
};

TEST(FadeSequence, StepsAlphaFromOneEndToTheOther) {
  struct Case {
    FadeRequest request;
    const char* trace;
  };
  const Case cases[] = {
      {{true, 16, 10},
       "a0 blend a0 w10 a16 w10 a32 w10 a48 w10 a64 w10 a80 w10 a96 w10 a112 w10 a128 w10 "
       "a144 w10 a160 w10 a176 w10 a192 w10 a208 w10 a224 w10 a240 w10 a255"},
      {{false, 16, 10},
       "a255 blend a255 w10 a239 w10 a223 w10 a207 w10 a191 w10 a175 w10 a159 w10 a143 w10 "
       "a127 w10 a111 w10 a95 w10 a79 w10 a63 w10 a47 w10 a31 w10 a15 w10 a0"},
      {{true, 255, 0}, "a0 blend a0 w0 a255"},
      {{false, 255, 0}, "a255 blend a255 w0 a0"},
      {{true, 100, 3}, "a0 blend a0 w3 a100 w3 a200 w3 a255"},
      {{false, 100, 3}, "a255 blend a255 w3 a155 w3 a55 w3 a0"},
      {{true, 85, 1}, "a0 blend a0 w1 a85 w1 a170 w1 a255"},
  };
  for (const Case& c : cases) {
    TracingTarget target;
    EXPECT_TRUE(RunFade(c.request, target));
    EXPECT_EQ(target.trace, c.trace);
  }
}

TEST(FadeSequence, SmallestStepEndsAfterOneWaitPerAlphaValue) {
  for (const bool fadingIn : {true, false}) {
    TracingTarget target;
    EXPECT_TRUE(RunFade(BoundedFadeRequest(fadingIn, 0, 0), target));
    EXPECT_EQ(target.waits, 255);
  }
}

TEST(FadeSequence, StopsAtAWaitThatSaysSo) {
  TracingTarget target;
  target.stopAtWait = 2;
  EXPECT_FALSE(RunFade({true, 100, 5}, target));
  EXPECT_EQ(target.trace, "a0 blend a0 w5 a100 w5");
}

TEST(FadeRequest, BoundsStepAndDelaySoThatEveryFadeEnds) {
  EXPECT_EQ(BoundedFadeRequest(true, 10, 16), (FadeRequest{true, 16, 10}));
  EXPECT_EQ(BoundedFadeRequest(false, 0, 255), (FadeRequest{false, 255, 0}));
  EXPECT_EQ(BoundedFadeRequest(true, 10, 0), (FadeRequest{true, 1, 10}));
  EXPECT_EQ(BoundedFadeRequest(false, -1, 16), (FadeRequest{false, 16, 0}));
  EXPECT_EQ(BoundedFadeRequest(true, INT32_MIN, 0), (FadeRequest{true, 1, 0}));
  EXPECT_EQ(BoundedFadeRequest(true, INT32_MAX, 1), (FadeRequest{true, 1, INT32_MAX}));
}

// A millisecond counter that moves only when the waiter pauses, and by less
// than asked, as a sleep that wakes early would.
struct FakeCounter {
  std::uint32_t now;
  std::uint32_t reads = 0;
  std::vector<std::uint32_t> pauses;

  std::uint32_t Read() {
    ++reads;
    return now;
  }
  bool Pause(std::uint32_t ms) {
    pauses.push_back(ms);
    now += ms > 3 ? ms - 3 : ms;
    return true;
  }
};

TEST(TickWait, WaitsAtLeastTheDelayAcrossTheCounterWrap) {
  struct Case {
    std::uint32_t start;
    std::uint32_t delay;
    std::vector<std::uint32_t> pauses;
  };
  const Case cases[] = {
      {1000, 0, {}},         {1000, 2, {2}},
      {1000, 10, {10, 3}},   {0xFFFFFFF8u, 16, {16, 3}},  // wraps during the wait
      {0xFFFFFFFFu, 1, {1}},
  };
  for (const Case& c : cases) {
    FakeCounter counter{c.start, 0, {}};
    EXPECT_TRUE(WaitForTicks(
        c.delay, [&] { return counter.Read(); },
        [&](std::uint32_t ms) { return counter.Pause(ms); }));
    EXPECT_EQ(counter.pauses, c.pauses) << c.start << "+" << c.delay;
    EXPECT_GE(counter.now - c.start, c.delay);
    EXPECT_EQ(counter.reads, c.pauses.size() + 2);
  }
}

TEST(TickWait, EndsAtOnceOnceTheCounterHasMovedFarEnough) {
  std::vector<std::uint32_t> readings = {5, 20};
  size_t next = 0;
  bool paused = false;
  EXPECT_TRUE(WaitForTicks(
      15, [&] { return readings.at(next++); }, [&](std::uint32_t) { return paused = true; }));
  EXPECT_FALSE(paused);
}

TEST(TickWait, GivesUpWhenThePauseIsCut) {
  std::uint32_t now = 0;
  int pauses = 0;
  EXPECT_FALSE(WaitForTicks(
      100, [&] { return now; },
      [&](std::uint32_t) {
        now += 10;
        return ++pauses < 2;
      }));
  EXPECT_EQ(pauses, 2);
}

// The component's side of fades, with the worker played by the test on its
// own thread: every change reaches the component directly.
class LayeredFormFade : public ::testing::Test {
 protected:
  class Forwarder final : public FadeTarget {
   public:
    explicit Forwarder(TLayeredForm& layered) : layered_(layered) {}
    void SetAlpha(std::uint8_t alpha) override { layered_.SetAlpha(alpha); }
    void SwitchToAlphaBlend() override { layered_.SetLayerType(ltAlphaBlend); }
    bool Wait(std::uint32_t) override { return true; }

   private:
    TLayeredForm& layered_;
  };

  // Runs the latest fade to its end and reports it done.
  void FinishFade() {
    RecordedFade& fade = *platform.fades.back();
    Forwarder forwarder(*layered);
    RunFade(fade.request, forwarder);
    layered->ThreadDone(fade);
  }

  std::vector<std::uint8_t> AppliedAlphas() const {
    std::vector<std::uint8_t> alphas;
    for (const AttributesCall& call : platform.attributes) {
      EXPECT_EQ(call.flags, kLayerAlphaFlag);
      alphas.push_back(call.alpha);
    }
    return alphas;
  }

  RecordingLayeredFormPlatform platform;
  StandInForm* form = new StandInForm;
  TLayeredForm* layered = new TLayeredForm(form, platform);

  void TearDown() override { delete form; }
};

TEST_F(LayeredFormFade, StartsAWorkerWithTheBoundedRequestAndReturnsAtOnce) {
  layered->FadeIn(10, 16);
  layered->FadeOut(-20, 0);
  ASSERT_EQ(platform.fades.size(), 2u);
  EXPECT_EQ(platform.fades[0]->request, (FadeRequest{true, 16, 10}));
  EXPECT_EQ(platform.fades[1]->request, (FadeRequest{false, 1, 0}));
  EXPECT_TRUE(platform.calls.empty());
}

TEST_F(LayeredFormFade, EveryStepAppliesTheLayerAndTheFadeEndsInAlphaBlend) {
  struct Case {
    bool fadingIn;
    std::vector<std::uint8_t> applied;
  };
  // From the clock's colour key the switch applies alpha 0; once in alpha
  // blend the first write applies and the switch does nothing.
  const Case cases[] = {
      {true, {0, 0, 16, 32, 48, 64, 80, 96, 112, 128, 144, 160, 176, 192, 208, 224, 240, 255}},
      {false, {255, 255, 239, 223, 207, 191, 175, 159, 143, 127, 111, 95, 79, 63, 47, 31, 15, 0}},
  };
  layered->SetColorKey(clNone);
  layered->SetLayerType(ltColorKey);
  for (const Case& c : cases) {
    platform.Forget();
    if (c.fadingIn) {
      layered->FadeIn(10, 16);
    } else {
      layered->FadeOut(10, 16);
    }
    FinishFade();
    EXPECT_EQ(layered->LayerType(), ltAlphaBlend);
    EXPECT_EQ(layered->Alpha(), c.applied.back());
    EXPECT_EQ(AppliedAlphas(), c.applied);
    EXPECT_EQ(platform.updates.size(), c.applied.size());
  }
}

TEST_F(LayeredFormFade, DoneEventsFollowTheDirectionWithTheComponentAsSender) {
  Component* inSender = nullptr;
  int outEvents = 0;
  layered->OnFadeInDone = [&](Component* sender) { inSender = sender; };

  layered->FadeOut(0, 255);
  FinishFade();  // no handler for this direction: skipped
  EXPECT_EQ(inSender, nullptr);

  layered->OnFadeOutDone = [&](Component* sender) {
    EXPECT_EQ(sender, layered);
    ++outEvents;
  };
  layered->FadeIn(0, 255);
  FinishFade();
  EXPECT_EQ(inSender, layered);
  EXPECT_EQ(outEvents, 0);
  layered->FadeOut(0, 255);
  FinishFade();
  EXPECT_EQ(outEvents, 1);
}

TEST_F(LayeredFormFade, NewRequestReplacesTheRunningFade) {
  int inEvents = 0;
  int outEvents = 0;
  layered->OnFadeInDone = [&](Component*) { ++inEvents; };
  layered->OnFadeOutDone = [&](Component*) { ++outEvents; };

  layered->FadeIn(10, 16);
  layered->FadeOut(10, 16);
  EXPECT_TRUE(platform.fades[0]->abandoned);
  EXPECT_FALSE(platform.fades[1]->abandoned);

  layered->ThreadDone(*platform.fades[0]);  // a late report of the replaced fade
  EXPECT_EQ(inEvents + outEvents, 0);
  FinishFade();
  EXPECT_EQ(outEvents, 1);
  EXPECT_EQ(inEvents, 0);
  EXPECT_EQ(layered->Alpha(), 0);
}

TEST_F(LayeredFormFade, DestroyingTheFormAbandonsItsRunningFade) {
  layered->FadeIn(10, 16);
  delete form;
  form = nullptr;
  EXPECT_TRUE(platform.fades[0]->abandoned);
}

TEST_F(LayeredFormFade, DoneHandlerMayDestroyTheFormOrStartTheNextFade) {
  layered->OnFadeInDone = [&](Component*) { layered->FadeOut(0, 255); };
  layered->OnFadeOutDone = [&](Component*) {
    delete form;
    form = nullptr;
  };
  layered->FadeIn(0, 255);
  FinishFade();
  ASSERT_EQ(platform.fades.size(), 2u);
  EXPECT_FALSE(platform.fades[0]->abandoned);

  FinishFade();
  EXPECT_EQ(form, nullptr);
  EXPECT_FALSE(platform.fades[1]->abandoned);
}

}  // namespace
}  // namespace vantrel
