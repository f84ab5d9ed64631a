#include "LayeredForm/ScreenSurface.h"

namespace vantrel {

ScreenSurface::ScreenSurface(LayeredFormPlatform& platform)
    : platform_(platform), surface_(platform.GetScreenSurface()) {}

ScreenSurface::~ScreenSurface() { platform_.ReleaseScreenSurface(surface_); }

}  // namespace vantrel
