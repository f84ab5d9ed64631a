#include "config/IntegerRule.h"

#include "config/EConvertError.h"

namespace vantrel {
namespace {

std::optional<int> HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return std::nullopt;
}

std::optional<std::int32_t> ParseHex(std::string_view digits) {
  if (digits.empty()) return std::nullopt;
  std::uint32_t value = 0;
  for (char c : digits) {
    const auto digit = HexDigitValue(c);
    // More than eight significant digits would not fit in 32 bits.
    if (!digit || value > 0x0FFFFFFFu) return std::nullopt;
    value = value * 16 + static_cast<std::uint32_t>(*digit);
  }
  return static_cast<std::int32_t>(value);
}

std::optional<std::int32_t> ParseDecimal(std::string_view digits, bool negative) {
  if (digits.empty()) return std::nullopt;
  const std::int64_t limit = negative ? 2147483648LL : 2147483647LL;
  std::int64_t value = 0;
  for (char c : digits) {
    if (c < '0' || c > '9') return std::nullopt;
    value = value * 10 + (c - '0');
    if (value > limit) return std::nullopt;
  }
  return static_cast<std::int32_t>(negative ? -value : value);
}

}  // namespace

std::optional<std::int32_t> TryParseInteger(std::string_view text) {
  std::size_t pos = 0;
  while (pos < text.size() && text[pos] == ' ') ++pos;
  bool negative = false;
  if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
    negative = text[pos] == '-';
    ++pos;
  }
  const std::string_view rest = text.substr(pos);
  if (!rest.empty() && (rest[0] == '$' || rest[0] == 'x' || rest[0] == 'X')) {
    return ParseHex(rest.substr(1));  // a sign has no effect on a hexadecimal number
  }
  if (rest.size() >= 2 && rest[0] == '0' && (rest[1] == 'x' || rest[1] == 'X')) {
    return ParseHex(rest.substr(2));
  }
  return ParseDecimal(rest, negative);
}

std::string NotAnIntegerMessage(std::string_view text) {
  return "'" + std::string(text) + "' は整数ではありません";
}

std::int32_t ParseInteger(std::string_view text) {
  if (const auto value = TryParseInteger(text)) return *value;
  throw EConvertError(NotAnIntegerMessage(text));
}

}  // namespace vantrel
