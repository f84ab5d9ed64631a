#pragma once

#include <exception>
#include <string>

namespace vantrel {

// Base of every error the program reports to the user. The message is a
// single-byte text in the system code page.
class Exception : public std::exception {
 public:
  explicit Exception(std::string message) : message_(std::move(message)) {}
  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }

 private:
  std::string message_;
};

}  // namespace vantrel
