#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "LayeredForm/ELayeredFormError.h"
#include "LayeredForm/LayeredWindowCalls.h"
#include "LayeredForm/TLayeredForm.h"
#include "RecordingLayeredFormPlatform.h"
#include "StandInForm.h"

namespace vantrel {
namespace {

class DerivedLayeredForm final : public TLayeredForm {
 public:
  using TLayeredForm::TLayeredForm;
};

class LayeredForm : public ::testing::Test {
 protected:
  // Owned by the form, as the form loader leaves it.
  TLayeredForm& MakeLayered() { return *new TLayeredForm(&form, platform); }

  std::string ConstructionError(Component* owner) {
    try {
      new DerivedLayeredForm(owner, platform);
    } catch (const ELayeredFormError& error) {
      return error.Message();
    }
    return "no error";
  }

  RecordingLayeredFormPlatform platform;
  StandInForm form;
};

TEST_F(LayeredForm, RefusesAnOwnerThatIsNoFormAndLeavesNothingBehind) {
  Component plainOwner(nullptr);
  EXPECT_EQ(ConstructionError(nullptr), "Control parent must be a form!");
  EXPECT_EQ(ConstructionError(&plainOwner), "Control parent must be a form!");
  EXPECT_TRUE(plainOwner.Components().empty());
}

TEST_F(LayeredForm, AllowsOneInstancePerFormDerivedClassesIncluded) {
  TLayeredForm& first = MakeLayered();
  EXPECT_EQ(form.Components(), std::vector<Component*>{&first});

  EXPECT_EQ(ConstructionError(&form), "Only one instance of TLayeredForm allowed on form");
  EXPECT_EQ(form.Components(), std::vector<Component*>{&first});

  first.SetLayerType(ltAlphaBlend);
  EXPECT_EQ(platform.attributes.size(), 1u);

  StandInForm otherForm;
  new DerivedLayeredForm(&otherForm, platform);
  EXPECT_THROW(new TLayeredForm(&otherForm, platform), ELayeredFormError);
  EXPECT_EQ(otherForm.Components().size(), 1u);
}

TEST_F(LayeredForm, StartsOpaqueBlackKeyedUnlayeredWithNothingApplied) {
  const TLayeredForm& layered = MakeLayered();
  EXPECT_EQ(layered.Alpha(), 255);
  EXPECT_EQ(layered.ColorKey(), clBlack);
  EXPECT_EQ(layered.LayerType(), ltNone);
  EXPECT_TRUE(platform.calls.empty());
  EXPECT_EQ(form.repaints, 0);
}

// The stored order of a layout: Alpha, ColorKey, LayerType, then Loaded.
TEST_F(LayeredForm, LoadingTheClockSettingsAppliesTheKeyExactlyOnce) {
  TLayeredForm& layered = MakeLayered();
  layered.SetAlpha(255);
  layered.SetColorKey(clNone);
  layered.SetLayerType(ltColorKey);
  layered.Loaded();

  const std::vector<std::string> oneApplication = {
      "ReadExStyle",
      "WriteExStyle",
      "FindLoadedModule USER32.DLL",
      "FindEntryPoint SetLayeredWindowAttributes",
      "SetLayeredWindowAttributes",
      "GetScreenSurface",
      "FindLoadedModule USER32.DLL",
      "FindEntryPoint UpdateLayeredWindow",
      "UpdateLayeredWindow",
      "ReleaseScreenSurface",
  };
  EXPECT_EQ(platform.calls, oneApplication);
  const std::vector<AttributesCall> clockKey = {{StandInForm::kWindow, 0x1FFFFFFFu, 255, 1}};
  EXPECT_EQ(platform.attributes, clockKey);
  EXPECT_EQ(platform.exStyle, kLayeredExStyle);
  EXPECT_EQ(platform.screenSurfacesHeld, 0);
  EXPECT_EQ(form.repaints, 1);
}

TEST_F(LayeredForm, UpdateCallIsSizedByTheRectangleCapturedWhenLoaded) {
  TLayeredForm& layered = MakeLayered();
  layered.SetColorKey(clRed);
  layered.SetLayerType(ltColorKey);
  layered.Loaded();
  form.clientWidth = 300;  // later resizes are not followed
  layered.SetAlpha(9);     // stored only in ltColorKey
  layered.SetLayerType(ltAlphaBlend);

  ASSERT_EQ(platform.updates.size(), 2u);
  for (const UpdateCall& call : platform.updates) {
    EXPECT_EQ(call.window, StandInForm::kWindow);
    EXPECT_EQ(call.destination, RecordingLayeredFormPlatform::kScreen);
    EXPECT_FALSE(call.withDestinationPosition);
    EXPECT_EQ(call.source, StandInForm::kCanvas);
    EXPECT_EQ(call.sourcePosition, (LayerPoint{0, 0}));
    EXPECT_EQ(call.key, 0x0000FFu);
    EXPECT_EQ(call.blend, (BlendFunction{0, 0, 0, 0}));
    EXPECT_EQ(call.flags, kUpdateAlphaFlag);
  }
  EXPECT_EQ(platform.updates[0].size, (LayerSize{0, 0}));
  EXPECT_EQ(platform.updates[1].size, (LayerSize{120, 45}));
  EXPECT_EQ(platform.attributes[1], (AttributesCall{StandInForm::kWindow, 0xFFu, 9, 2}));
}

TEST_F(LayeredForm, WritersApplyOnlyInTheirOwnLayerType) {
  struct Case {
    const char* name;
    TLayerType type;
    void (*write)(TLayeredForm&);
    size_t applications;
  };
  const Case cases[] = {
      {"alpha in none", ltNone, [](TLayeredForm& l) { l.SetAlpha(50); }, 0},
      {"key in none", ltNone, [](TLayeredForm& l) { l.SetColorKey(clRed); }, 0},
      {"alpha in key", ltColorKey, [](TLayeredForm& l) { l.SetAlpha(50); }, 0},
      {"key in alpha", ltAlphaBlend, [](TLayeredForm& l) { l.SetColorKey(clRed); }, 0},
      {"alpha in alpha", ltAlphaBlend, [](TLayeredForm& l) { l.SetAlpha(50); }, 1},
      {"same alpha in alpha", ltAlphaBlend, [](TLayeredForm& l) { l.SetAlpha(255); }, 1},
      {"key in key", ltColorKey, [](TLayeredForm& l) { l.SetColorKey(clRed); }, 1},
      {"same key in key", ltColorKey, [](TLayeredForm& l) { l.SetColorKey(clBlack); }, 1},
      {"same type", ltColorKey, [](TLayeredForm& l) { l.SetLayerType(ltColorKey); }, 0},
      {"update", ltNone, [](TLayeredForm& l) { l.Update(); }, 0},
      {"update", ltColorKey, [](TLayeredForm& l) { l.Update(); }, 1},
  };
  for (const Case& c : cases) {
    StandInForm owner;
    RecordingLayeredFormPlatform recorder;
    TLayeredForm& layered = *new TLayeredForm(&owner, recorder);
    layered.SetLayerType(c.type);
    recorder.Forget();
    c.write(layered);
    EXPECT_EQ(recorder.attributes.size(), c.applications) << c.name;
  }
}

TEST_F(LayeredForm, StoredValuesTakeEffectOnTheSwitchOfLayerType) {
  TLayeredForm& layered = MakeLayered();
  layered.SetLayerType(ltColorKey);
  layered.SetAlpha(77);
  layered.SetLayerType(ltAlphaBlend);
  layered.SetColorKey(clWhite);
  layered.SetLayerType(ltColorKey);
  const std::vector<AttributesCall> expected = {
      {StandInForm::kWindow, 0u, 255, kLayerColorKeyFlag},
      {StandInForm::kWindow, 0u, 77, kLayerAlphaFlag},
      {StandInForm::kWindow, 0xFFFFFFu, 77, kLayerColorKeyFlag},
  };
  EXPECT_EQ(platform.attributes, expected);
}

TEST_F(LayeredForm, SameLayerTypeDoesNothingEvenAfterTheWindowLostItsLayering) {
  TLayeredForm& layered = MakeLayered();
  layered.SetLayerType(ltColorKey);
  platform.exStyle = 0;
  platform.Forget();
  layered.SetLayerType(ltColorKey);
  EXPECT_TRUE(platform.calls.empty());
  EXPECT_EQ(platform.exStyle, 0);
}

TEST_F(LayeredForm, SwitchingToNoneOnlyClearsTheLayeredBit) {
  TLayeredForm& layered = MakeLayered();
  layered.SetLayerType(ltColorKey);
  layered.Loaded();
  platform.exStyle |= 0x8;  // WS_EX_TOPMOST stays
  platform.Forget();
  form.repaints = 0;

  layered.SetLayerType(ltNone);
  EXPECT_EQ(platform.calls, (std::vector<std::string>{"ReadExStyle", "WriteExStyle"}));
  EXPECT_EQ(platform.exStyle, 0x8);
  EXPECT_EQ(form.repaints, 0);
}

TEST_F(LayeredForm, PassesTheKeyAsRgbWithClNoneUnchanged) {
  struct Case {
    TColor color;
    std::uint32_t key;
  };
  const Case cases[] = {
      {clNone, 0x1FFFFFFFu},
      {clBlack, 0u},
      {clWhite, 0xFFFFFFu},
      {0x00123456, 0x123456u},
      {clBtnFace, 0x00A0000Fu},
      {clWindowText, 0x00A00008u},
      {SystemColor(0x1FF), 0x00A000FFu},  // only the low byte picks the element
  };
  TLayeredForm& layered = MakeLayered();
  for (const TLayerType type : {ltColorKey, ltAlphaBlend}) {
    layered.SetLayerType(type);
    for (const Case& c : cases) {
      layered.SetColorKey(c.color);
      platform.Forget();
      layered.Update();
      ASSERT_EQ(platform.attributes.size(), 1u);
      EXPECT_EQ(platform.attributes[0].key, c.key) << std::hex << c.color;
      EXPECT_EQ(platform.updates[0].key, c.key) << std::hex << c.color;
    }
  }
}

TEST_F(LayeredForm, WithoutTheLayeredFunctionsOnlyTheStyleBitChanges) {
  struct Case {
    const char* name;
    bool user32Loaded;
    std::set<std::string> missing;
    size_t attributesCalls;
    size_t updateCalls;
  };
  const Case cases[] = {
      {"no module", false, {}, 0, 0},
      {"no attributes", true, {"SetLayeredWindowAttributes"}, 0, 1},
      {"no update", true, {"UpdateLayeredWindow"}, 1, 0},
      {"neither", true, {"SetLayeredWindowAttributes", "UpdateLayeredWindow"}, 0, 0},
  };
  for (const Case& c : cases) {
    StandInForm owner;
    RecordingLayeredFormPlatform recorder;
    recorder.user32Loaded = c.user32Loaded;
    recorder.missingEntries = c.missing;
    TLayeredForm& layered = *new TLayeredForm(&owner, recorder);
    EXPECT_NO_THROW(layered.SetLayerType(ltAlphaBlend)) << c.name;
    EXPECT_EQ(recorder.exStyle, kLayeredExStyle) << c.name;
    EXPECT_EQ(recorder.attributes.size(), c.attributesCalls) << c.name;
    EXPECT_EQ(recorder.updates.size(), c.updateCalls) << c.name;
    EXPECT_EQ(recorder.screenSurfacesHeld, 0) << c.name;
  }
}

TEST_F(LayeredForm, LateBoundCallsSucceedWhenMissingAndReportTheResultOtherwise) {
  const LayerSize size{1, 1};
  const LayerPoint origin{0, 0};
  const BlendFunction blend{};
  auto update = [&] {
    return DynUpdateLayeredWindow(platform, 1, 2, nullptr, &size, 3, &origin, 0, &blend, 2);
  };
  EXPECT_TRUE(DynSetLayeredWindowAttributes(platform, 1, 0, 0, 1));
  EXPECT_FALSE(update());  // the recorder refuses like the platform does

  platform.missingEntries = {"UpdateLayeredWindow"};
  EXPECT_TRUE(update());
  platform.user32Loaded = false;
  EXPECT_TRUE(DynSetLayeredWindowAttributes(platform, 1, 0, 0, 1));
  EXPECT_EQ(platform.attributes.size(), 1u);
}

}  // namespace
}  // namespace vantrel
