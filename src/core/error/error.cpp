#include "core/error/error.h"

namespace drawlyze {

namespace {

// "X: detail", "X" or "detail", whichever parts there are.
std::string SubjectAndDetail(const Error& error) {
  if (error.subject.empty()) return error.detail;
  if (error.detail.empty()) return error.subject;
  return error.subject + ": " + error.detail;
}

}  // namespace

std::string ErrorText(const Error& error) {
  // A failure that names no file ("no data folder") has no file to name.
  if (error.subject.empty()) return "Error - " + error.detail;
  switch (error.kind) {
    case ErrorKind::NotFound:
      return "Error - file " + error.subject + " not found!";
    case ErrorKind::CannotRead:
      return "Error - file " + error.subject + " cannot be read!" + (error.detail.empty() ? "" : " " + error.detail);
    case ErrorKind::CannotWrite:
      return "Error - file " + error.subject + " cannot be written!" + (error.detail.empty() ? "" : " " + error.detail);
    default:
      return "Error - " + SubjectAndDetail(error);
  }
}

}  // namespace drawlyze
