#include <gtest/gtest.h>
#include <windows.h>
#include <tlhelp32.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "LayeredForm/FadeWorker.h"
#include "LayeredForm/LayeredWindowCalls.h"
#include "LayeredForm/TLayeredForm.h"
#include "LayeredForm/Win32LayeredFormPlatform.h"
#include "framework/ColorPixel.h"
#include "framework/WindowClass.h"
#include "framework/WindowDC.h"
#include "PrefTestSupport.h"

namespace vantrel {
namespace {

constexpr int kLeft = 300;
constexpr int kTop = 200;
constexpr int kWidth = 200;
constexpr int kHeight = 100;

// A topmost popup window of the test, seen as the portable form.
class TestWindowForm final : public Form {
 public:
  TestWindowForm() : Form(nullptr) {
    static const WindowClass windowClass("VantrelLayeredTestWindow", DefWindowProcA);
    window_ = CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, windowClass.Name(), "layered",
                              WS_POPUP, kLeft, kTop, kWidth, kHeight, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    ShowWindow(window_, SW_SHOWNOACTIVATE);
    UpdateWindow(window_);
    canvas_ = WindowDC(window_);
  }
  ~TestWindowForm() override {
    canvas_ = WindowDC();
    DestroyWindow(window_);
  }

  WindowId Handle() override { return reinterpret_cast<WindowId>(window_); }
  SurfaceId CanvasHandle() override { return reinterpret_cast<SurfaceId>(canvas_.Get()); }
  int ClientWidth() override { return ClientRect().right; }
  int ClientHeight() override { return ClientRect().bottom; }
  void Update() override { UpdateWindow(window_); }

  HWND Window() const { return window_; }

 private:
  RECT ClientRect() const {
    RECT client{};
    GetClientRect(window_, &client);
    return client;
  }

  HWND window_;
  WindowDC canvas_;
};

struct LayeredAttributes {
  bool set = false;
  COLORREF key = 0;
  BYTE alpha = 0;
  DWORD flags = 0;
};

LayeredAttributes AttributesOf(HWND window) {
  LayeredAttributes attributes;
  attributes.set = GetLayeredWindowAttributes(window, &attributes.key, &attributes.alpha,
                                              &attributes.flags) != FALSE;
  return attributes;
}

bool IsLayered(HWND window) { return (GetWindowLongA(window, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

// Polls `done` without handling any message, until the deadline passes.
bool PollUntil(const std::function<bool()>& done, DWORD timeoutMs = 20000) {
  const DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(1);
  }
  return true;
}

// Another thread waits in SendMessage for this one.
bool SentMessageWaiting() { return (HIWORD(GetQueueStatus(QS_SENDMESSAGE)) & QS_SENDMESSAGE) != 0; }

int ThreadsOfThisProcess() {
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  int count = 0;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID == GetCurrentProcessId()) ++count;
  }
  CloseHandle(snapshot);
  return count;
}

class LayeredFormOnAWindow : public ::testing::Test {
 protected:
  // As the clock window loads it.
  TLayeredForm& LoadClockLayering() {
    TLayeredForm& layered = *new TLayeredForm(form.get(), Win32LayeredFormPlatform::Instance());
    layered.SetAlpha(255);
    layered.SetColorKey(clNone);
    layered.SetLayerType(ltColorKey);
    layered.Loaded();
    return layered;
  }
  HWND Window() const { return form->Window(); }

  std::unique_ptr<TestWindowForm> form = std::make_unique<TestWindowForm>();
};

TEST_F(LayeredFormOnAWindow, KeysOutThePixelOfItsColourKey) {
  struct Case {
    TColor color;
    COLORREF key;
  };
  const Case cases[] = {
      {clNone, kNoneColorPixel},  // the clock's, loaded below
      {clRed, 0x0000FF},
      {clWhite, 0xFFFFFF},
      {clBtnFace, GetSysColor(COLOR_BTNFACE)},
  };
  TLayeredForm& layered = LoadClockLayering();
  EXPECT_TRUE(IsLayered(Window()));
  for (const Case& c : cases) {
    layered.SetColorKey(c.color);
    const LayeredAttributes attributes = AttributesOf(Window());
    EXPECT_TRUE(attributes.set);
    EXPECT_EQ(attributes.key, c.key) << std::hex << c.color;
    EXPECT_EQ(attributes.flags, static_cast<DWORD>(LWA_COLORKEY));
  }
}

TEST_F(LayeredFormOnAWindow, UpdateCallAfterTheAttributesIsRefusedAndChangesNothing) {
  LoadClockLayering();
  const LayerSize size{kWidth, kHeight};
  const LayerPoint origin{0, 0};
  const BlendFunction blend{};
  const WindowDC screen(nullptr);
  EXPECT_FALSE(DynUpdateLayeredWindow(Win32LayeredFormPlatform::Instance(), form->Handle(),
                                      reinterpret_cast<SurfaceId>(screen.Get()), nullptr, &size,
                                      form->CanvasHandle(), &origin,
                                      static_cast<std::uint32_t>(clNone), &blend, ULW_ALPHA));
  const LayeredAttributes attributes = AttributesOf(Window());
  EXPECT_TRUE(attributes.set);
  EXPECT_EQ(attributes.key, kNoneColorPixel);
  EXPECT_EQ(attributes.flags, static_cast<DWORD>(LWA_COLORKEY));
  EXPECT_TRUE(IsWindowVisible(Window()));
}

TEST_F(LayeredFormOnAWindow, AlphaBlendAndBackToNotLayered) {
  TLayeredForm& layered = LoadClockLayering();
  layered.SetAlpha(128);
  layered.SetLayerType(ltAlphaBlend);
  const LayeredAttributes attributes = AttributesOf(Window());
  EXPECT_EQ(attributes.alpha, 128);
  EXPECT_EQ(attributes.flags, static_cast<DWORD>(LWA_ALPHA));

  layered.SetLayerType(ltNone);
  EXPECT_FALSE(IsLayered(Window()));
  EXPECT_FALSE(AttributesOf(Window()).set);
}

// Wraps the real platform and notes every attributes call and its thread.
class ObservedPlatform final : public LayeredFormPlatform {
 public:
  struct Attributes {
    std::uint8_t alpha;
    std::uint32_t flags;
    DWORD thread;
  };

  std::int32_t ReadExStyle(WindowId window) override { return real.ReadExStyle(window); }
  void WriteExStyle(WindowId window, std::int32_t exStyle) override {
    real.WriteExStyle(window, exStyle);
  }
  std::uint32_t SystemColorRgb(int index) override { return real.SystemColorRgb(index); }
  ModuleId FindLoadedModule(const char* name) override { return real.FindLoadedModule(name); }
  EntryPointId FindEntryPoint(ModuleId module, const char* name) override {
    return real.FindEntryPoint(module, name);
  }
  bool CallSetLayeredWindowAttributes(EntryPointId entry, WindowId window, std::uint32_t key,
                                      std::uint8_t alpha, std::uint32_t flags) override {
    calls.push_back({alpha, flags, GetCurrentThreadId()});
    return real.CallSetLayeredWindowAttributes(entry, window, key, alpha, flags);
  }
  bool CallUpdateLayeredWindow(EntryPointId entry, WindowId window, SurfaceId destination,
                               const LayerPoint* destinationPosition, const LayerSize* size,
                               SurfaceId source, const LayerPoint* sourcePosition,
                               std::uint32_t key, const BlendFunction* blend,
                               std::uint32_t flags) override {
    return real.CallUpdateLayeredWindow(entry, window, destination, destinationPosition, size,
                                        source, sourcePosition, key, blend, flags);
  }
  SurfaceId GetScreenSurface() override { return real.GetScreenSurface(); }
  void ReleaseScreenSurface(SurfaceId surface) override { real.ReleaseScreenSurface(surface); }
  FadeWorker& StartFade(TLayeredForm& layered, const FadeRequest& request) override {
    return real.StartFade(layered, request);
  }

  std::vector<std::uint8_t> Alphas() const {
    std::vector<std::uint8_t> alphas;
    for (const Attributes& call : calls) alphas.push_back(call.alpha);
    return alphas;
  }

  Win32LayeredFormPlatform& real = Win32LayeredFormPlatform::Instance();
  std::vector<Attributes> calls;
};

// Counts access violations as they are raised: the system swallows those of a
// window procedure that another thread's SendMessage runs.
LONG accessViolations = 0;

LONG CALLBACK CountAccessViolation(EXCEPTION_POINTERS* exception) {
  if (exception->ExceptionRecord->ExceptionCode == EXCEPTION_ACCESS_VIOLATION) {
    InterlockedIncrement(&accessViolations);
  }
  return EXCEPTION_CONTINUE_SEARCH;
}

class LayeredFormFadeOnAWindow : public LayeredFormOnAWindow {
 protected:
  void SetUp() override {
    accessViolations = 0;
    faultCounter = AddVectoredExceptionHandler(1, CountAccessViolation);
    threadsBefore = ThreadsOfThisProcess();
    layered = new TLayeredForm(form.get(), platform);
    layered->SetColorKey(clNone);
    layered->SetLayerType(ltColorKey);
    layered->Loaded();
    layered->OnFadeInDone = [this](Component* sender) { Note("in", sender); };
    layered->OnFadeOutDone = [this](Component* sender) { Note("out", sender); };
    platform.calls.clear();
  }

  void TearDown() override {
    RemoveVectoredExceptionHandler(faultCounter);
    EXPECT_EQ(accessViolations, 0);
  }

  void Note(const char* direction, Component* sender) {
    events.push_back(direction);
    EXPECT_EQ(sender, layered);
    EXPECT_EQ(GetCurrentThreadId(), guiThread);
  }

  // Every worker has ended and freed itself.
  bool WorkersGone() const { return ThreadsOfThisProcess() == threadsBefore; }

  void ExpectAllOnTheGuiThread() const {
    for (const ObservedPlatform::Attributes& call : platform.calls) {
      EXPECT_EQ(call.thread, guiThread);
    }
  }

  const DWORD guiThread = GetCurrentThreadId();
  // The end of a worker sends no message: the pumps look again every 10 ms.
  const ThreadTimer wakeUp{10, [] {}};
  void* faultCounter = nullptr;
  int threadsBefore = 0;
  ObservedPlatform platform;
  TLayeredForm* layered = nullptr;
  std::vector<std::string> events;
};

TEST_F(LayeredFormFadeOnAWindow, FadesInAndOutInStepsOnTheGuiThread) {
  layered->FadeIn(10, 16);
  ASSERT_TRUE(PumpUntil([&] { return !events.empty() && WorkersGone(); }));
  EXPECT_EQ(events, std::vector<std::string>{"in"});
  const std::vector<std::uint8_t> in = {0,   0,   16,  32,  48,  64,  80,  96,  112,
                                        128, 144, 160, 176, 192, 208, 224, 240, 255};
  EXPECT_EQ(platform.Alphas(), in);
  EXPECT_EQ(layered->LayerType(), ltAlphaBlend);
  EXPECT_EQ(AttributesOf(Window()).alpha, 255);
  EXPECT_EQ(AttributesOf(Window()).flags, static_cast<DWORD>(LWA_ALPHA));

  platform.calls.clear();
  layered->FadeOut(10, 16);
  ASSERT_TRUE(PumpUntil([&] { return events.size() == 2 && WorkersGone(); }));
  EXPECT_EQ(events.back(), "out");
  const std::vector<std::uint8_t> out = {255, 255, 239, 223, 207, 191, 175, 159, 143,
                                         127, 111, 95,  79,  63,  47,  31,  15,  0};
  EXPECT_EQ(platform.Alphas(), out);
  ExpectAllOnTheGuiThread();
  // Fully transparent. Whether the mouse passes through is the platform's
  // part, and Wine without a compositor neither hides nor passes it.
  EXPECT_EQ(AttributesOf(Window()).alpha, 0);
  EXPECT_EQ(AttributesOf(Window()).flags, static_cast<DWORD>(LWA_ALPHA));
}

TEST_F(LayeredFormFadeOnAWindow, NewRequestStopsTheRunningFadeWithoutAReport) {
  layered->FadeIn(1000000, 1);  // would wait for weeks unless stopped
  ASSERT_TRUE(PumpUntil([&] { return platform.calls.size() == 2; }));
  layered->FadeOut(0, 255);
  ASSERT_TRUE(PumpUntil([&] { return !events.empty() && WorkersGone(); }));
  EXPECT_EQ(events, std::vector<std::string>{"out"});
  EXPECT_EQ(layered->Alpha(), 0);
  EXPECT_EQ(AttributesOf(Window()).alpha, 0);
  // The switch and the first step of the stopped fade, then the new fade.
  EXPECT_EQ(platform.Alphas(), (std::vector<std::uint8_t>{0, 0, 255, 255, 0}));
  ExpectAllOnTheGuiThread();
}

TEST_F(LayeredFormFadeOnAWindow, AbandonedFadeTouchesTheComponentNoMore) {
  layered->SetLayerType(ltAlphaBlend);
  platform.calls.clear();
  FadeWorker& worker = platform.real.StartFade(*layered, {true, 1, 0});
  // Its first change, one that would apply, waits for the GUI thread.
  ASSERT_TRUE(PollUntil(SentMessageWaiting));
  worker.Abandon();
  ASSERT_TRUE(PumpUntil([&] { return WorkersGone(); }));
  EXPECT_TRUE(platform.calls.empty());
  EXPECT_TRUE(events.empty());
}

TEST_F(LayeredFormFadeOnAWindow, DestroyingTheFormDuringAFadeEndsItQuietly) {
  layered->FadeIn(0, 1);
  ASSERT_TRUE(PollUntil(SentMessageWaiting));
  form.reset();
  ASSERT_TRUE(PumpUntil([&] { return WorkersGone(); }));
  EXPECT_TRUE(platform.calls.empty());
  EXPECT_TRUE(events.empty());
}

TEST_F(LayeredFormFadeOnAWindow, DoneHandlerMayDestroyTheForm) {
  layered->OnFadeOutDone = [this](Component*) { form.reset(); };
  layered->FadeOut(0, 64);
  ASSERT_TRUE(PumpUntil([&] { return !form && WorkersGone(); }));
  EXPECT_EQ(platform.Alphas(), (std::vector<std::uint8_t>{255, 255, 191, 127, 63, 0}));
}

}  // namespace
}  // namespace vantrel
