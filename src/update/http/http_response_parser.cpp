#include "update/http/http_response_parser.h"

#include <algorithm>
#include <cctype>

#include "update/http/http_url.h"

namespace drawlyze::http {

namespace {

bool StartsWithHtmlTag(std::string_view text) { return text.size() >= 6 && LowerCase(text.substr(0, 6)) == "<html>"; }

// A Content-Length value: decimal digits only, blanks around them allowed,
// at most 18 of them (below 10^18); -1 for anything else ("-5", "1e3", "",
// 10^23), which the response is refused for.
long long ContentLengthValue(std::string_view text) {
  text = Trim(text);
  if (text.empty() || text.size() > 18) return -1;
  long long value = 0;
  for (const char c : text) {
    if (!std::isdigit(static_cast<unsigned char>(c))) return -1;
    value = value * 10 + (c - '0');
  }
  return value;
}

// At most 40 characters of a header value, each control or non-ASCII byte
// as "?": safe to show in a message.
std::string Excerpt(std::string_view value) {
  std::string out;
  for (const char c : value.substr(0, 40)) out += c >= ' ' && c < 127 ? c : '?';
  if (value.size() > 40) out += "...";
  return out;
}

// "HTTP/1.x NNN[ reason]" with a status from 100 to 599.
bool ReadStatusLine(std::string_view line, int& status, std::string& reason) {
  const auto digit = [&](std::size_t i) { return std::isdigit(static_cast<unsigned char>(line[i])) != 0; };
  if (line.size() < 12 || line.substr(0, 7) != "HTTP/1." || !digit(7) || line[8] != ' ' || !digit(9) || !digit(10) ||
      !digit(11) || (line.size() > 12 && line[12] != ' '))
    return false;
  const int code = (line[9] - '0') * 100 + (line[10] - '0') * 10 + (line[11] - '0');
  if (code < 100 || code > 599) return false;
  status = code;
  reason = line.size() > 13 ? std::string(line.substr(13)) : std::string();
  return true;
}

}  // namespace

void ResponseParser::Feed(std::string_view bytes, std::vector<ResponseEvent>& events) {
  if (phase_ == Phase::Body) {
    if (!bytes.empty()) events.push_back({ResponseEvent::Kind::Body, std::string(bytes)});
    return;
  }
  if (phase_ != Phase::Header) return;

  pending_.append(bytes);
  std::size_t start = 0;
  while (phase_ == Phase::Header) {
    const std::string_view rest = std::string_view(pending_).substr(start);
    if (StartsWithHtmlTag(rest)) {
      // No header at all: the page itself, from this line on, is the body.
      if (header_.contentType.empty()) header_.contentType = "text/html";
      phase_ = Phase::Body;
      break;
    }
    // The search for the line feed goes on where the last one stopped.
    const std::size_t lf = pending_.find('\n', std::max(scanned_, start));
    const std::size_t length = (lf == std::string::npos ? pending_.size() : lf) - start;
    if (length >= kLineBufferSize) {
      phase_ = Phase::Failed;
      events.push_back({ResponseEvent::Kind::LineTooLong, {}});
      pending_.clear();
      return;
    }
    if (headerSize_ + length + (lf == std::string::npos ? 0 : 1) > kMaxHeaderSize) {
      Refuse(ResponseEvent::Kind::LineTooLong,
             "HTTP header too long (more than " + std::to_string(kMaxHeaderSize / 1024) + " KiB)", events);
      return;
    }
    if (lf == std::string::npos) {
      scanned_ = pending_.size();
      break;
    }
    std::string line = pending_.substr(start, length);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    headerSize_ += length + 1;
    start = lf + 1;
    HeaderLine(line, events);
  }

  if (phase_ == Phase::Body && start < pending_.size())
    events.push_back({ResponseEvent::Kind::Body, pending_.substr(start)});
  if (phase_ == Phase::Header) {
    pending_.erase(0, start);
    scanned_ = pending_.size();
  } else {
    pending_.clear();
  }
}

void ResponseParser::Refuse(ResponseEvent::Kind kind, const std::string& why, std::vector<ResponseEvent>& events) {
  phase_ = Phase::Failed;
  events.push_back({kind, why});
  pending_.clear();
}

void ResponseParser::HeaderLine(const std::string& line, std::vector<ResponseEvent>& events) {
  if (expectStatus_) {
    if (line.empty()) return;  // a stray empty line before the status line
    if (!ReadStatusLine(line, header_.status, header_.reason)) {
      Refuse(ResponseEvent::Kind::Malformed, "the server sent no HTTP/1.x status line", events);
      return;
    }
    expectStatus_ = false;
  } else if (line.empty()) {
    if (header_.status < 200) {
      expectStatus_ = true;  // an interim 1xx response: the final one follows
      return;
    }
    events.push_back({ResponseEvent::Kind::HeaderEnd, {}});
    phase_ = header_.locationPending && header_.status < 400 ? Phase::Redirect : Phase::Body;
    return;
  } else if (const auto colon = line.find(':'); colon != std::string::npos) {
    const std::string_view value = Trim(std::string_view(line).substr(colon + 1));
    HeaderField(LowerCase(std::string_view(line).substr(0, colon)), value, events);
  }
  header_.lines.push_back(line);
  events.push_back({ResponseEvent::Kind::HeaderLine, line});
  if (!badLength_.empty()) {
    Refuse(ResponseEvent::Kind::Malformed, badLength_, events);
    return;
  }
  if (header_.status >= 400 && !stopSent_) {
    stopSent_ = true;
    events.push_back({ResponseEvent::Kind::StopReading, {}});
  }
}

void ResponseParser::HeaderField(std::string_view name, std::string_view value, std::vector<ResponseEvent>& events) {
  if (name == "location") {
    header_.locationPending = true;
    header_.location = std::string(value);
  } else if (name == "content-length") {
    // A length that cannot be read would let a cut body pass for a whole one.
    const long long length = ContentLengthValue(value);
    if (length < 0 || (header_.contentLength >= 0 && length != header_.contentLength))
      badLength_ = "the server sent an unreadable Content-Length: " + Excerpt(value);
    else
      header_.contentLength = length;
  } else if (name == "content-range") {
    // "bytes 100-199/1000": the range begins at the 7th character.
    const std::string_view range = value.size() > 6 ? value.substr(6) : std::string_view();
    const auto dash = range.find('-');
    header_.contentRangeBegin = std::string(range.substr(0, dash));
    if (dash != std::string_view::npos) {
      const std::string_view after = range.substr(dash + 1);
      header_.contentRangeEnd = std::string(after.substr(0, after.find('/')));
    } else {
      header_.contentRangeEnd.clear();
    }
  } else if (name == "transfer-encoding") {
    header_.transferEncoding = std::string(value);
  } else if (name == "accept-ranges") {
    header_.acceptRanges = std::string(value);
  } else if (name == "content-type") {
    header_.contentType = LowerCase(value);
  } else if (name == "www-authenticate") {
    header_.authChallenges.emplace_back(value);
  } else if (name == "set-cookie") {
    events.push_back({ResponseEvent::Kind::Cookie, std::string(value)});
  }
}

}  // namespace drawlyze::http
