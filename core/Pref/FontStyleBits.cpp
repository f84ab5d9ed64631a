#include "Pref/FontStyleBits.h"

namespace vantrel {
namespace {

constexpr int kBoldBit = 1;
constexpr int kUnderlineBit = 2;

}  // namespace

StyleChecks StyleChecksFromCode(int styleCode) {
  return {(styleCode & kBoldBit) != 0, (styleCode & kUnderlineBit) != 0};
}

int StyleCodeFromChecks(StyleChecks checks) {
  return (checks.bold ? kBoldBit : 0) + (checks.underline ? kUnderlineBit : 0);
}

}  // namespace vantrel
