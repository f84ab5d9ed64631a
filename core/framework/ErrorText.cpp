#include "framework/ErrorText.h"

#include "framework/ShiftJis.h"

namespace vantrel {

std::string ErrorDisplayText(std::string_view message) {
  std::string text(message);
  if (!message.empty()) {
    const auto last = static_cast<unsigned char>(message[LastCharacterStart(message)]);
    if (last > static_cast<unsigned char>('.')) text += '.';
  }
  return text;
}

}  // namespace vantrel
