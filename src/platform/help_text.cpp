#include "platform/help_text.h"

namespace drawlyze::platform {

std::string WrapText(std::string_view text, std::size_t indent) {
  std::string out;
  std::string line(indent, ' ');
  std::size_t at = 0;
  while (at < text.size()) {
    const std::size_t start = text.find_first_not_of(' ', at);
    if (start == std::string_view::npos) break;
    std::size_t end = text.find(' ', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view word = text.substr(start, end - start);
    if (line.size() > indent && line.size() + 1 + word.size() > kHelpWidth) {
      out += line + '\n';
      line.assign(indent, ' ');
    }
    if (line.size() > indent) line += ' ';
    line += word;
    at = end;
  }
  if (line.size() > indent) out += line + '\n';
  return out;
}

std::string HelpEntry(std::string_view tag, std::string_view text) {
  std::string head = "  " + std::string(tag);
  if (head.size() + 2 > kHelpTextColumn) return head + '\n' + WrapText(text, kHelpTextColumn);
  const std::string body = WrapText(text, kHelpTextColumn);
  return head + body.substr(head.size());
}

}  // namespace drawlyze::platform
