#include "core/export/export_text.h"

namespace drawlyze {

namespace {
constexpr std::string_view kRecordEnd = "\r\n";
}  // namespace

std::string CsvField(std::string_view field) {
  if (field.find_first_of(",\"\r\n") == std::string_view::npos) return std::string(field);
  std::string quoted = "\"";
  for (const char c : field) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + '"';
}

std::string CsvRecord(const std::vector<std::string_view>& fields) {
  std::string record;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) record += ',';
    record += CsvField(fields[i]);
  }
  return record += kRecordEnd;
}

std::vector<std::string_view> TabbedFields(std::string_view line) {
  std::vector<std::string_view> fields;
  std::size_t start = 0;
  while (true) {
    const std::size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? std::string_view::npos : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = line.find_first_not_of('\t', tab);
    if (start == std::string_view::npos) start = line.size();  // tabs at the end: one empty last field
  }
}

std::string ReportCsv(const std::vector<std::string>& lines) {
  std::string csv;
  for (const std::string& line : lines) csv += line.empty() ? std::string(kRecordEnd) : CsvRecord(TabbedFields(line));
  return csv;
}

std::string ReportText(const std::vector<std::string>& lines) {
  std::size_t size = 0;
  for (const std::string& line : lines) size += line.size() + 1;
  std::string text;
  text.reserve(size);
  for (const std::string& line : lines) (text += line) += '\n';
  return text;
}

std::string TableCsv(const std::vector<TableRow>& rows) {
  std::string csv;
  for (const TableRow& row : rows) csv += CsvRecord(std::vector<std::string_view>(row.begin(), row.end()));
  return csv;
}

}  // namespace drawlyze
