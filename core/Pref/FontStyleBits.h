#pragma once

namespace vantrel {

// The two boxes of the style code: bit 0 bold, bit 1 underline.
struct StyleChecks {
  bool bold = false;
  bool underline = false;
  bool operator==(const StyleChecks&) const = default;
};

// Reads each bit on its own; other bits are ignored.
StyleChecks StyleChecksFromCode(int styleCode);

// 0 to 3.
int StyleCodeFromChecks(StyleChecks checks);

}  // namespace vantrel
