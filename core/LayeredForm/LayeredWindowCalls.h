#pragma once

#include <cstdint>

#include "LayeredForm/LayeredFormPlatform.h"

namespace vantrel {

// The two layered-window functions, looked up in the loaded "USER32.DLL" on
// every call. Where the module or the function is missing they do nothing and
// report success, so the component also runs on systems without them.
bool DynSetLayeredWindowAttributes(LayeredFormPlatform& platform, WindowId window,
                                   std::uint32_t key, std::uint8_t alpha, std::uint32_t flags);
bool DynUpdateLayeredWindow(LayeredFormPlatform& platform, WindowId window, SurfaceId destination,
                            const LayerPoint* destinationPosition, const LayerSize* size,
                            SurfaceId source, const LayerPoint* sourcePosition, std::uint32_t key,
                            const BlendFunction* blend, std::uint32_t flags);

// Makes `window` layered with the given attributes (`attributeFlag` is
// kLayerColorKeyFlag or kLayerAlphaFlag). The update call that follows always
// comes after an attributes call on the same window, so the platform refuses
// it and it leaves the window as the attributes made it.
void ApplyLayer(LayeredFormPlatform& platform, WindowId window, SurfaceId source, std::uint32_t key,
                std::uint8_t alpha, const LayerRect& rect, std::uint32_t attributeFlag);

}  // namespace vantrel
