#pragma once

#include <string>
#include <string_view>

namespace vantrel {

// The text of the standard error display: the message, with "." appended when
// it is not empty and its last character sorts above "." in byte order.
std::string ErrorDisplayText(std::string_view message);

}  // namespace vantrel
