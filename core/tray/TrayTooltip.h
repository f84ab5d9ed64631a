#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace vantrel {

// The shell keeps at most this many bytes of an icon's tooltip.
constexpr std::size_t kTrayTooltipLimit = 63;

// The tooltip shown for a hint: the part before the first "|", cut to the
// limit. Double-byte characters are kept whole: a "|" byte inside one is no
// bar, and a cut never splits one.
std::string TrayTooltipFromHint(std::string_view hint);

}  // namespace vantrel
