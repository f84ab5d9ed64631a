#pragma once

namespace vantrel {

// Kinds of system resources that the program's wrappers own.
enum class LiveResource { GdiObject, DeviceContext, Icon, Menu, File, kCount };

// How many resources of each kind the wrappers hold right now. The platform
// cannot always tell (some report no counts at all), so the wrappers keep
// their own, and tests check that nothing grows across repeated work.
class LiveResources final {
 public:
  static void Acquired(LiveResource kind);
  static void Released(LiveResource kind);
  static long Count(LiveResource kind);
};

}  // namespace vantrel
