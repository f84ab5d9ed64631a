#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "PrefTestSupport.h"
#include "Pref/ColorChoices.h"
#include "Pref/FontSizeList.h"
#include "framework/Application.h"
#include "framework/CheckBox.h"
#include "framework/ColorComboBox.h"
#include "framework/FontComboBox.h"
#include "framework/FontPreview.h"
#include "framework/FontSizeComboBox.h"
#include "framework/RadioButton.h"

namespace vantrel {
namespace {

INT_PTR CALLBACK HostDialogProcedure(HWND, UINT, WPARAM, LPARAM) { return FALSE; }

// An empty dialog box created from a template in memory.
HWND CreateHostDialog() {
  struct alignas(4) {
    DLGTEMPLATE header{WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_SETFONT, 0, 0, 40, 40, 400, 300};
    WORD menu = 0, windowClass = 0, title = 0, pointSize = 9;
    wchar_t face[7] = L"Tahoma";
  } dialogTemplate;
  return CreateDialogIndirectParamA(GetModuleHandleA(nullptr), &dialogTemplate.header, nullptr,
                                    &HostDialogProcedure, 0);
}

std::vector<std::string> ScalableSizeTexts() {
  std::vector<std::string> texts;
  for (const int size : kScalableFontSizes) texts.push_back(std::to_string(size));
  return texts;
}

class PickerControls : public ::testing::Test {
 protected:
  void SetUp() override {
    application_.Initialize();
    application_.SetTitle("Vantrel");
    dialog_ = CreateHostDialog();
    ASSERT_NE(dialog_, nullptr);
  }
  void TearDown() override { DestroyWindow(dialog_); }

  HWND Create(const char* className, int id, int x, int y, int width, int height,
              DWORD style = WS_TABSTOP) {
    const HWND control = CreateWindowExA(
        0, className, "", WS_CHILD | WS_VISIBLE | style, x, y, width, height, dialog_,
        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
    SendMessageA(control, WM_SETFONT, SendMessageA(dialog_, WM_GETFONT, 0, 0), FALSE);
    return control;
  }
  ColorComboBox& Colors() {
    return *ColorComboBox::FromHandle(Create(ColorComboBox::Register(), 10, 64, 80, 161, 20));
  }
  FontComboBox& Faces() {
    return *FontComboBox::FromHandle(Create(FontComboBox::Register(), 11, 64, 56, 161, 21));
  }
  FontSizeComboBox& Sizes(FontComboBox& faces) {
    auto& sizes =
        *FontSizeComboBox::FromHandle(Create(FontSizeComboBox::Register(), 12, 64, 104, 49, 20));
    sizes.LinkTo(faces);
    return sizes;
  }
  // Something else of the same dialog to move the focus to.
  HWND OtherControl() { return Create("BUTTON", 13, 200, 200, 60, 20, WS_TABSTOP); }

  static const FontFace* FirstFace(const FontComboBox& faces, bool scalable, int skip = 0) {
    for (const FontFace& face : faces.Faces()) {
      if (IsScalable(face.kind) == scalable && skip-- == 0) return &face;
    }
    return nullptr;
  }
  static void Type(HWND edit, const std::string& keys) {
    for (const char key : keys) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(key), 0);
  }
  static COLORREF PixelAt(HWND window, int x, int y) {
    UpdateWindow(window);
    const HDC dc = GetDC(window);
    const COLORREF pixel = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return pixel;
  }

  Application application_;
  HWND dialog_ = nullptr;
};

TEST_F(PickerControls, ColourBoxOffersTheSixteenColoursAndDrawsTheirSwatches) {
  ColorComboBox& colors = Colors();
  std::vector<std::string> expected;
  for (const ColorName& color : OfferedColors()) expected.emplace_back(color.name);
  EXPECT_EQ(colors.Items(), expected);
  EXPECT_EQ(colors.GetSelectedColorName(), "");

  RECT closed;
  GetWindowRect(colors.Combo(), &closed);
  EXPECT_EQ(closed.bottom - closed.top, 20);

  colors.SetItemIndex(9);
  EXPECT_EQ(colors.GetSelectedColorName(), "clRed");
  EXPECT_EQ(PixelAt(colors.Combo(), 15, 10), RGB(255, 0, 0));
  colors.SetItemIndex(14);
  EXPECT_EQ(PixelAt(colors.Combo(), 15, 10), RGB(0, 255, 255));
  // The item count selects nothing.
  colors.SetItemIndex(16);
  EXPECT_EQ(colors.GetSelectedColorName(), "");
  EXPECT_EQ(colors.ItemIndex(), -1);
}

TEST_F(PickerControls, FaceBoxListsEveryScreenFaceOnceInListOrder) {
  FontComboBox& faces = Faces();
  const std::vector<std::string> names = faces.Items();
  ASSERT_GT(names.size(), 3u);
  for (std::size_t i = 1; i < names.size(); ++i) {
    EXPECT_LT(lstrcmpiA(names[i - 1].c_str(), names[i].c_str()), 0)
        << names[i - 1] << " / " << names[i];
  }
  ASSERT_EQ(faces.Faces().size(), names.size());
  EXPECT_NE(FirstFace(faces, true), nullptr);
  EXPECT_EQ(faces.GetSelectedFont(), "");
}

TEST_F(PickerControls, FaceBoxSelectsByNameAndAnnouncesChanges) {
  FontComboBox& faces = Faces();
  int announced = 0;
  faces.onChange = [&announced] { ++announced; };
  // A face whose name changes when written in capitals.
  std::string name;
  std::string upper;
  for (const FontFace& face : faces.Faces()) {
    upper = name = face.name;
    CharUpperBuffA(upper.data(), static_cast<DWORD>(upper.size()));
    if (upper != name) break;
  }
  ASSERT_NE(upper, name);

  faces.SetSelectedFont(upper);
  EXPECT_EQ(faces.GetSelectedFont(), name);
  EXPECT_EQ(announced, 1);
  faces.SetSelectedFont(name);  // the selected face to the letter: nothing happens
  EXPECT_EQ(announced, 1);
  faces.SetSelectedFont(upper);  // same face, other spelling: selected and announced again
  EXPECT_EQ(faces.GetSelectedFont(), name);
  EXPECT_EQ(announced, 2);
  faces.SetSelectedFont("No Such Face");
  EXPECT_EQ(faces.GetSelectedFont(), "");
  EXPECT_FALSE(faces.SelectedFace().has_value());
  EXPECT_EQ(announced, 3);
  faces.SetSelectedFont("");  // nothing selected, nothing asked for
  EXPECT_EQ(announced, 3);
}

TEST_F(PickerControls, FacePreviewFollowsTheHighlightWhileTheListIsOpen) {
  FontComboBox& faces = Faces();
  const FontFace* first = FirstFace(faces, true);
  ASSERT_NE(first, nullptr);
  faces.SetSelectedFont(first->name);
  FontPreview* preview = FontPreview::FromHandle(faces.Preview());
  ASSERT_NE(preview, nullptr);
  EXPECT_FALSE(IsWindowVisible(faces.Preview()));

  SendMessageA(faces.Combo(), CB_SHOWDROPDOWN, TRUE, 0);
  EXPECT_TRUE(IsWindowVisible(faces.Preview()));
  EXPECT_EQ(preview->Face(), first->name);
  RECT list;
  RECT shown;
  SendMessageA(faces.Combo(), CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LPARAM>(&list));
  GetWindowRect(faces.Preview(), &shown);
  EXPECT_GE(shown.left, list.right);  // beside the list, not over it

  SendMessageA(faces.Combo(), WM_KEYDOWN, VK_DOWN, 0);
  ASSERT_TRUE(PumpUntil([&] { return preview->Face() != first->name; }, 2000));
  EXPECT_EQ(
      preview->Face(),
      faces.Items()[static_cast<std::size_t>(SendMessageA(faces.Combo(), CB_GETCURSEL, 0, 0))]);

  SendMessageA(faces.Combo(), CB_SHOWDROPDOWN, FALSE, 0);
  EXPECT_FALSE(IsWindowVisible(faces.Preview()));
}

TEST_F(PickerControls, SizeBoxListsTheSizesOfTheFaceAndKeepsTheShownSize) {
  FontComboBox& faces = Faces();
  FontSizeComboBox& sizes = Sizes(faces);
  EXPECT_EQ(sizes.ItemCount(), 0);
  EXPECT_EQ(sizes.Text(), "");

  const FontFace* scalable = FirstFace(faces, true);
  const FontFace* another = FirstFace(faces, true, 1);
  ASSERT_NE(another, nullptr);
  faces.SetSelectedFont(scalable->name);
  EXPECT_EQ(sizes.Items(), ScalableSizeTexts());
  EXPECT_EQ(sizes.Text(), "10");  // the text was empty
  EXPECT_EQ(sizes.ItemIndex(), 2);

  struct Case {
    const char* shown;
    const char* after;
    int item;
  };
  const Case cases[] = {
      {"12", "12", 4},   {"13", "13", -1}, {"999", "999", -1}, {"0", "10", 2},
      {"1000", "10", 2}, {"abc", "10", 2}, {"", "10", 2},
  };
  const std::string names[] = {scalable->name, another->name};
  int turn = 0;
  for (const Case& c : cases) {
    SetWindowTextA(sizes.Combo(), c.shown);
    faces.SetSelectedFont(names[++turn % 2]);
    EXPECT_EQ(sizes.Text(), c.after) << c.shown;
    EXPECT_EQ(sizes.ItemIndex(), c.item) << c.shown;
  }

  faces.SetSelectedFont("No Such Face");
  EXPECT_EQ(sizes.ItemCount(), 0);
  EXPECT_EQ(sizes.Text(), "");
  EXPECT_EQ(sizes.GetSelected(), -1);
}

TEST_F(PickerControls, SizeBoxTakesDigitsAndControlKeysOnly) {
  FontComboBox& faces = Faces();
  FontSizeComboBox& sizes = Sizes(faces);
  Type(sizes.Edit(), "12");
  EXPECT_EQ(sizes.Text(), "");  // no face: every key refused

  faces.SetSelectedFont(FirstFace(faces, true)->name);
  SetWindowTextA(sizes.Combo(), "");
  Type(sizes.Edit(), "1a-2. x");
  EXPECT_EQ(sizes.Text(), "12");
  EXPECT_EQ(sizes.GetSelected(), 12);
  Type(sizes.Edit(), "\b");
  EXPECT_EQ(sizes.Text(), "1");
  SetWindowTextA(sizes.Combo(), "");
  EXPECT_EQ(sizes.GetSelected(), -1);
}

TEST_F(PickerControls, SizeBoxReplacesUnusableSizesWhenTheFocusMovesOn) {
  FontComboBox& faces = Faces();
  FontSizeComboBox& sizes = Sizes(faces);
  const HWND other = OtherControl();
  faces.SetSelectedFont(FirstFace(faces, true)->name);
  struct Case {
    const char* typed;
    const char* after;
    int item;
  };
  const Case cases[] = {
      {"0", "10", 2}, {"", "10", 2}, {"1000", "10", 2}, {"12", "12", -1}, {"999", "999", -1},
  };
  for (const Case& c : cases) {
    SetFocus(sizes.Edit());
    sizes.SetItemIndex(-1);
    SetWindowTextA(sizes.Combo(), c.typed);
    SetFocus(other);
    EXPECT_EQ(sizes.Text(), c.after) << c.typed;
    EXPECT_EQ(sizes.ItemIndex(), c.item) << c.typed;
  }

  // A window of its own taking the focus is no move to another control.
  const HWND elsewhere = CreateWindowExA(0, "BUTTON", "", WS_POPUP | WS_VISIBLE, 0, 0, 10, 10,
                                         nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  SetFocus(sizes.Edit());
  SetWindowTextA(sizes.Combo(), "0");
  SetFocus(elsewhere);
  EXPECT_EQ(sizes.Text(), "0");
  DestroyWindow(elsewhere);
}

TEST_F(PickerControls, SizeBoxReportsANonIntegerAndKeepsIt) {
  FontComboBox& faces = Faces();
  FontSizeComboBox& sizes = Sizes(faces);
  const HWND other = OtherControl();
  faces.SetSelectedFont(FirstFace(faces, true)->name);
  ErrorBoxWatcher boxes;
  SetFocus(sizes.Edit());
  SetWindowTextA(sizes.Combo(), "99999999999");  // pasted: too long for 32 bits
  SetFocus(other);
  EXPECT_EQ(GetFocus(), other);  // the focus moves on; the box follows
  ASSERT_TRUE(PumpUntil([&] { return !boxes.Texts().empty(); }));
  EXPECT_EQ(boxes.Texts()[0], "'99999999999' は整数ではありません.");
  EXPECT_EQ(sizes.Text(), "99999999999");
  EXPECT_EQ(sizes.GetSelected(), -1);
}

TEST_F(PickerControls, RadioButtonsFormOneGroupWithOneTabStop) {
  RadioButton& twelve =
      *RadioButton::FromHandle(Create(RadioButton::Register(), 20, 69, 16, 16, 17));
  RadioButton& twentyFour =
      *RadioButton::FromHandle(Create(RadioButton::Register(), 21, 70, 36, 15, 17));
  twelve.SetMarkColor(0x0000FF);
  const auto tabStop = [](const RadioButton& radio) {
    return (GetWindowLongA(radio.Handle(), GWL_STYLE) & WS_TABSTOP) != 0;
  };
  EXPECT_FALSE(twelve.Checked() || twentyFour.Checked() || tabStop(twelve) || tabStop(twentyFour));

  twentyFour.SetChecked(true);
  EXPECT_TRUE(twentyFour.Checked() && tabStop(twentyFour));
  EXPECT_FALSE(twelve.Checked() || tabStop(twelve));

  SetFocus(twelve.Handle());  // the focus checks it
  EXPECT_TRUE(twelve.Checked() && tabStop(twelve));
  EXPECT_FALSE(twentyFour.Checked() || tabStop(twentyFour));
  EXPECT_EQ(PixelAt(twelve.Handle(), 8, 8), RGB(255, 0, 0));
  EXPECT_EQ(PixelAt(twelve.Handle(), 0, 16), RGB(255, 255, 255));
  EXPECT_EQ(PixelAt(twentyFour.Handle(), 7, 8), RGB(255, 255, 255));  // no dot

  SendMessageA(twentyFour.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(7, 8));
  SendMessageA(twentyFour.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(7, 8));
  EXPECT_TRUE(twentyFour.Checked());
  EXPECT_FALSE(twelve.Checked());
  EXPECT_EQ(PixelAt(twentyFour.Handle(), 7, 8), RGB(0, 0, 0));

  SendMessageA(twentyFour.Handle(), WM_KEYDOWN, VK_UP, 0);
  EXPECT_EQ(GetFocus(), twelve.Handle());
  EXPECT_TRUE(twelve.Checked());
}

TEST_F(PickerControls, CheckBoxToggles) {
  CheckBox& box = *CheckBox::FromHandle(Create(CheckBox::Register(), 30, 64, 128, 17, 18, 0));
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(PixelAt(box.Handle(), 7, 9), RGB(255, 255, 255));
  const auto click = [&box](int x, int y) {
    SendMessageA(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    SendMessageA(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
  };
  click(8, 9);
  EXPECT_TRUE(box.Checked());
  EXPECT_EQ(PixelAt(box.Handle(), 7, 9), RGB(0, 0, 0));  // the tick
  click(8, 9);
  EXPECT_FALSE(box.Checked());
  // A press that is let go outside does nothing.
  SendMessageA(box.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(8, 9));
  SendMessageA(box.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(40, 9));
  EXPECT_FALSE(box.Checked());
  SendMessageA(box.Handle(), WM_CHAR, ' ', 0);
  EXPECT_TRUE(box.Checked());
}

}  // namespace
}  // namespace vantrel
