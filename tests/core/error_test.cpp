#include "core/error/error.h"

#include <gtest/gtest.h>

namespace drawlyze {
namespace {

TEST(ErrorText, EachKindIsWordedOnce) {
  const struct {
    Error error;
    const char* text;
  } cases[] = {
      {{ErrorKind::NotFound, "3x10.txt", ""}, "Error - file 3x10.txt not found!"},
      {{ErrorKind::CannotWrite, "out.csv", ""}, "Error - file out.csv cannot be written!"},
      {{ErrorKind::CannotWrite, "out.csv", "the disk is full"},
       "Error - file out.csv cannot be written! the disk is full"},
      {{ErrorKind::CannotRead, "a.txt", ""}, "Error - file a.txt cannot be read!"},
      {{ErrorKind::NotAFile, "/dev/null", "it is a device"}, "Error - /dev/null: it is a device"},
      {{ErrorKind::Busy, "", "another update is running in /tmp"}, "Error - another update is running in /tmp"},
      {{ErrorKind::Network, "https://x.org/a.zip", ""}, "Error - https://x.org/a.zip"},
  };
  for (const auto& c : cases) EXPECT_EQ(ErrorText(c.error), c.text);
}

TEST(Result, CarriesAValueOrAFailure) {
  Result<int> good = 7;
  ASSERT_TRUE(good);
  EXPECT_EQ(*good, 7);
  Result<int> bad = Error{ErrorKind::TooLarge, "big.csv", "over 64 MiB"};
  ASSERT_FALSE(bad);
  EXPECT_EQ(bad.Failure().kind, ErrorKind::TooLarge);
  Status fine;
  EXPECT_TRUE(fine);
  Status stopped = Error{ErrorKind::Stopped, "", ""};
  EXPECT_FALSE(stopped);
}

}  // namespace
}  // namespace drawlyze
