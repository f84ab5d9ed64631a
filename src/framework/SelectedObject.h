#pragma once

#include <windows.h>

namespace vantrel {

// Selects a GDI object into a device context for one scope and puts the
// previous one back.
class SelectedObject final {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~SelectedObject() { SelectObject(dc_, previous_); }
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace vantrel
