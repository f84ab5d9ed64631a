// The standard library reports misuse (an index past the end, a length over
// the maximum, a bad argument) through these helpers. Its own versions carry
// the message in a second, copy-on-write string implementation that would be
// linked into the program for them alone, about a sixth of its size. These
// carry it in the program's own exception type, which the error display shows
// the same way; the exceptions without a message keep their standard types.
// All of them are defined so that the library's versions are never linked.
#include <cstdarg>
#include <cstddef>
#include <exception>
#include <new>
#include <string>
#include <typeinfo>

#include "framework/Exception.h"

#if defined(__GLIBCXX__)

namespace {

// The library's messages use only %s, %zu and %%.
std::string ExpandLibraryFormat(const char* format, va_list arguments) {
  std::string text;
  for (const char* c = format; *c; ++c) {
    if (*c != '%') {
      text += *c;
    } else if (c[1] == 's') {
      text += va_arg(arguments, const char*);
      ++c;
    } else if (c[1] == 'z' && c[2] == 'u') {
      text += std::to_string(va_arg(arguments, std::size_t));
      c += 2;
    } else if (c[1] == '%') {
      text += '%';
      ++c;
    } else {
      text += *c;
    }
  }
  return text;
}

[[noreturn]] void ThrowMessage(const char* message) { throw vantrel::Exception(message); }

}  // namespace

namespace std {

void __throw_bad_alloc() { throw bad_alloc(); }
void __throw_bad_array_new_length() { throw bad_array_new_length(); }
void __throw_bad_cast() { throw bad_cast(); }
void __throw_bad_typeid() { throw bad_typeid(); }
void __throw_bad_exception() { throw bad_exception(); }

void __throw_logic_error(const char* message) { ThrowMessage(message); }
void __throw_domain_error(const char* message) { ThrowMessage(message); }
void __throw_invalid_argument(const char* message) { ThrowMessage(message); }
void __throw_length_error(const char* message) { ThrowMessage(message); }
void __throw_out_of_range(const char* message) { ThrowMessage(message); }
void __throw_runtime_error(const char* message) { ThrowMessage(message); }
void __throw_range_error(const char* message) { ThrowMessage(message); }
void __throw_overflow_error(const char* message) { ThrowMessage(message); }
void __throw_underflow_error(const char* message) { ThrowMessage(message); }

void __throw_out_of_range_fmt(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  std::string message = ExpandLibraryFormat(format, arguments);
  va_end(arguments);
  throw vantrel::Exception(std::move(message));
}

}  // namespace std

#endif
