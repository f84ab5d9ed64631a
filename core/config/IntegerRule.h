#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantrel {

// The one integer syntax of the settings file: leading blanks, one optional
// sign, then decimal digits or a hexadecimal number after "$", "x", "X" or
// "0x". Anything else, trailing blanks included, fails.
std::optional<std::int32_t> TryParseInteger(std::string_view text);

// The same rule, failing with EConvertError "'text' は整数ではありません".
std::int32_t ParseInteger(std::string_view text);

// The message of a failed conversion of `text`.
std::string NotAnIntegerMessage(std::string_view text);

}  // namespace vantrel
