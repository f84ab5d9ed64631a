#pragma once

#include <cstdint>

namespace vantrel {

// A colour value: 0x00BBGGRR for a plain colour, 0x80000000 + index for a
// system colour, plus the two special values below.
using TColor = std::int32_t;

inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clRed = 0x0000FF;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clNone = 0x1FFFFFFF;
inline constexpr TColor clDefault = 0x20000000;

constexpr TColor SystemColor(int index) {
  return static_cast<TColor>(0x80000000u | static_cast<std::uint32_t>(index));
}

inline constexpr TColor clBtnFace = SystemColor(15);
inline constexpr TColor clWindowText = SystemColor(8);

}  // namespace vantrel
