#include "update/http/http_response_parser.h"

#include <algorithm>
#include <cctype>

namespace drawlyze::http {

namespace {

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

bool StartsWithHtmlTag(std::string_view text) { return text.size() >= 6 && Lower(text.substr(0, 6)) == "<html>"; }

// The leading decimal digits after optional blanks; `fallback` when there are none.
long long LeadingNumber(std::string_view text, long long fallback) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  if (i == text.size() || !std::isdigit(static_cast<unsigned char>(text[i]))) return fallback;
  long long value = 0;
  for (; i < text.size() && std::isdigit(static_cast<unsigned char>(text[i])); ++i) {
    if (value > (1LL << 55)) return fallback;
    value = value * 10 + (text[i] - '0');
  }
  return value;
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
    const std::size_t lf = rest.find('\n');
    if ((lf == std::string_view::npos ? rest.size() : lf) >= kLineBufferSize) {
      phase_ = Phase::Failed;
      events.push_back({ResponseEvent::Kind::LineTooLong, {}});
      pending_.clear();
      return;
    }
    if (lf == std::string_view::npos) break;
    std::string line(rest.substr(0, lf));
    if (!line.empty() && line.back() == '\r') line.pop_back();
    start += lf + 1;
    HeaderLine(line, events);
  }

  if (phase_ == Phase::Body && start < pending_.size())
    events.push_back({ResponseEvent::Kind::Body, pending_.substr(start)});
  if (phase_ == Phase::Header)
    pending_.erase(0, start);
  else
    pending_.clear();
}

void ResponseParser::HeaderLine(const std::string& line, std::vector<ResponseEvent>& events) {
  if (line.empty()) {
    events.push_back({ResponseEvent::Kind::HeaderEnd, {}});
    phase_ = header_.locationPending && header_.status < 400 ? Phase::Redirect : Phase::Body;
    return;
  }
  header_.lines.push_back(line);
  const std::string_view view(line);
  if (view.substr(0, 8) == "HTTP/1.0" || view.substr(0, 8) == "HTTP/1.1") {
    header_.status = static_cast<int>(LeadingNumber(view.size() > 9 ? view.substr(9, 3) : std::string_view(), 0));
    header_.reason = view.size() > 13 ? std::string(view.substr(13)) : std::string();
  } else if (const auto colon = view.find(':'); colon != std::string_view::npos) {
    std::string_view value = view.substr(colon + 1);
    while (!value.empty() && (value.front() == ' ' || value.front() == '\t')) value.remove_prefix(1);
    HeaderField(Lower(view.substr(0, colon)), value, events);
  }
  events.push_back({ResponseEvent::Kind::HeaderLine, line});
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
    header_.contentLength = LeadingNumber(value, -1);
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
  } else if (name == "accept-ranges") {
    header_.acceptRanges = std::string(value);
  } else if (name == "content-type") {
    header_.contentType = Lower(value);
  } else if (name == "www-authenticate") {
    header_.authChallenges.emplace_back(value);
  } else if (name == "set-cookie") {
    events.push_back({ResponseEvent::Kind::Cookie, std::string(value)});
  }
}

}  // namespace drawlyze::http
