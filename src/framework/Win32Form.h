#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "config/Color.h"
#include "framework/Form.h"
#include "framework/MouseEvents.h"
#include "framework/WindowDC.h"

namespace vantrel {

class Label;

// A top-level window with the form conventions the program relies on: the
// window is created on first demand, painted with its colour and its graphic
// controls, and applies its own layering settings when it is created.
class Win32Form : public Form {
 public:
  explicit Win32Form(Component* owner);
  ~Win32Form() override;

  WindowId Handle() override;
  SurfaceId CanvasHandle() override;
  int ClientWidth() override;
  int ClientHeight() override;
  void Update() override;

  HWND Hwnd();
  bool HandleAllocated() const { return handle_ != nullptr; }

  int Left() const;
  int Top() const;
  int Width() const;
  int Height() const;
  void SetLeft(int left);
  void SetTop(int top);
  void SetWidth(int width);
  void SetHeight(int height);
  void SetClientSize(int width, int height);
  // Moves and sizes the window in one step.
  void SetBounds(int left, int top, int width, int height);

  void Show();
  void Hide();
  bool Visible() const;
  // Closing the main form ends the program.
  void Close();
  void Invalidate();

  TColor Color() const { return color_; }
  void SetColor(TColor color);
  void SetCaption(std::string caption);
  // The window's own layering, applied when the window is created and when
  // changed while it exists.
  void SetTransparentColor(bool on);
  void SetTransparentColorValue(TColor key);
  void SetAlphaBlend(bool on);
  void SetAlphaBlendValue(std::uint8_t alpha);

  std::function<void()> onShow;
  MouseEvents mouse;
  // A context-menu request at a screen point.
  std::function<void(int x, int y)> onContextPopup;

 protected:
  struct WindowParams {
    DWORD style = WS_OVERLAPPEDWINDOW;
    DWORD exStyle = 0;
    HWND owner = nullptr;
  };
  virtual void CreateParams(WindowParams& params);
  virtual LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  friend class Label;
  struct MouseTarget {
    MouseEvents* events = nullptr;
    int left = 0;
    int top = 0;
  };

  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void CreateHandle();
  void ApplyOwnLayering();
  MouseTarget TargetAt(int x, int y);
  void RouteMouse(UINT message, LPARAM lParam);
  void Paint();
  // Marks an area of the client (or all of it, erased) for the next paint,
  // unless a mark since the last paint already covers it: under Wine every
  // mark is a round trip to the server, and a tick marks the same areas again
  // and again.
  void InvalidateArea(const RECT& area);
  void ForgetInvalidation();

  HWND handle_ = nullptr;
  WindowDC canvas_;
  std::vector<Label*> controls_;
  MouseTarget captured_;
  std::string caption_;
  RECT bounds_{0, 0, 320, 240};
  TColor color_ = clBtnFace;
  bool transparentColor_ = false;
  // What has been marked since the last paint.
  bool wholeInvalid_ = false;
  std::vector<RECT> invalidAreas_;
  TColor transparentColorValue_ = 0;
  bool alphaBlend_ = false;
  std::uint8_t alphaBlendValue_ = 255;
};

}  // namespace vantrel
