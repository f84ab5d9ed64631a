// The standard library's misuse reports, which this program carries in its
// own exception type: the message reaches it whole, numbers expanded.
#include <gtest/gtest.h>

#include <cstddef>
#include <memory>
#include <new>
#include <string>
#include <vector>

#include "framework/Exception.h"

namespace vantrel {
namespace {

template <typename Call>
std::string MessageOf(Call call) {
  try {
    call();
  } catch (const Exception& e) {
    return e.Message();
  }
  ADD_FAILURE() << "nothing was thrown";
  return "";
}

TEST(StandardLibraryThrows, MisuseCarriesTheLibraryMessage) {
  const std::string text = "abc";
  std::vector<int> numbers;
  EXPECT_EQ(MessageOf([&] { (void)text.substr(5); }),
            "basic_string::substr: __pos (which is 5) > this->size() (which is 3)");
  EXPECT_EQ(MessageOf([&] { (void)text.at(3); }),
            "basic_string::at: __n (which is 3) >= this->size() (which is 3)");
  EXPECT_EQ(MessageOf([&] { numbers.reserve(numbers.max_size() + 1); }), "vector::reserve");
  EXPECT_EQ(MessageOf([] { std::string(static_cast<const char*>(nullptr)); }),
            "basic_string: construction from null is not valid");
}

TEST(StandardLibraryThrows, AllocationFailuresKeepTheirStandardTypes) {
  std::allocator<int> allocator;
  volatile std::size_t tooManyForAnyMemory =
      std::allocator_traits<std::allocator<int>>::max_size(allocator) + 1;
  volatile std::size_t tooManyToCount = static_cast<std::size_t>(-1) / 2;
  EXPECT_THROW((void)allocator.allocate(tooManyForAnyMemory), std::bad_alloc);
  EXPECT_THROW((void)allocator.allocate(tooManyToCount), std::bad_array_new_length);
}

}  // namespace
}  // namespace vantrel
