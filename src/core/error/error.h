#pragma once
// The one value a failure travels as through the core and the update layer:
// what kind of failure, the file or address it concerns, and the detail in
// plain words. Each front end words it once (the windows' message boxes,
// drawlyze-cli's stderr); nothing below them formats a message of its own.

#include <cstdint>
#include <string>
#include <utility>
#include <variant>

namespace drawlyze {

enum class ErrorKind : std::uint8_t {
  NotFound,     // the file is not there
  CannotRead,   // it is there but cannot be read (or is no regular file to read)
  CannotWrite,  // it cannot be written, or its folder cannot take the new file
  NotAFile,     // the target exists and is no regular file, and cannot take the bytes directly
  TooLarge,     // past a limit the program sets (the limit and the size in detail)
  Unreadable,   // the content is not what it must be (no draws, unclear columns, a bad row)
  Refused,      // readable, but judged unsafe to use without the user's yes (older, shorter, another game)
  Busy,         // another update holds the folder
  Network,      // a download or lookup failed
  Stopped,      // the user asked it to stop
};

struct Error {
  ErrorKind kind = ErrorKind::Unreadable;
  std::string subject;  // the file or the address (without a password); may be empty
  std::string detail;   // what went wrong, for the user; may be empty

  bool operator==(const Error&) const = default;
};

// A value or the failure that stands in its place.
template <typename T>
class [[nodiscard]] Result {
 public:
  Result(T value) : v_(std::move(value)) {}      // NOLINT: implicit, as a return value
  Result(Error error) : v_(std::move(error)) {}  // NOLINT

  bool Ok() const { return v_.index() == 0; }
  explicit operator bool() const { return Ok(); }
  T& Value() { return std::get<0>(v_); }
  const T& Value() const { return std::get<0>(v_); }
  T& operator*() { return Value(); }
  const T& operator*() const { return Value(); }
  T* operator->() { return &Value(); }
  const T* operator->() const { return &Value(); }
  const Error& Failure() const { return std::get<1>(v_); }

 private:
  std::variant<T, Error> v_;
};

// Success with nothing to return, or a failure.
template <>
class [[nodiscard]] Result<void> {
 public:
  Result() = default;
  Result(Error error) : error_(std::move(error)), ok_(false) {}  // NOLINT

  bool Ok() const { return ok_; }
  explicit operator bool() const { return ok_; }
  const Error& Failure() const { return error_; }

 private:
  Error error_;
  bool ok_ = true;
};

using Status = Result<void>;

// The program's own words for a failure, the same in the windows and on the
// command line: "Error - file X not found!", "Error - file X cannot be
// written!", and for the other kinds (or with no file to name) "Error - "
// with the subject and detail. The windows show it through
// gui::ErrorMessage, drawlyze-cli prints it through cli::SayError.
std::string ErrorText(const Error& error);

}  // namespace drawlyze
