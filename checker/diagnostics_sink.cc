#include "checker/diagnostics_sink.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "checker/display_text.h"
#include "checker/explain.h"
#include "checker/quiet_changes.h"
#include "core/load/section_parser.h"
#include "core/text/unicode.h"

#define XXH_INLINE_ALL
#include <xxhash.h>

namespace quorvane::check {
namespace {

constexpr std::size_t kExcerptLimit = 100;

// The bytes of the bad sequence at the start of `rest` as "\xE2\x82": the
// first byte and the continuation bytes after it, 4 at most.
std::string hex_bytes(std::string_view rest) {
  std::string out;
  for (std::size_t i = 0; i < rest.size() && i < 4; ++i) {
    const auto byte = static_cast<unsigned char>(rest[i]);
    if (i > 0 && (byte & 0xC0) != 0x80) break;
    char escape[8];
    std::snprintf(escape, sizeof escape, "\\x%02X", byte);
    out += escape;
  }
  return out;
}

// The first carriage return of `text` that text follows on its line, or
// npos. Carriage returns with only whitespace after them on their line
// ("\r\r\n", "\r \n", one at the very end) are trimmed off with it.
std::size_t find_lone_carriage_return(std::string_view text) {
  for (std::size_t at = text.find('\r'); at != std::string_view::npos;
       at = text.find('\r', at)) {
    const std::size_t end = std::min(text.find('\n', at), text.size());
    if (!trim_whitespace(text.substr(at + 1, end - at - 1)).empty()) return at;
    at = end;
  }
  return std::string_view::npos;
}

}  // namespace

DiagnosticsSink::DiagnosticsSink(std::string_view text, const DiagnosticHandler& handler)
    : text_(text), handler_(handler) {
  const std::size_t at = find_lone_carriage_return(text);
  if (at == std::string_view::npos) return;
  const std::size_t line_start = at == 0 ? 0 : text.rfind('\n', at - 1) + 1;
  lone_cr_line_ = 1 + static_cast<std::size_t>(
                          std::count(text.begin(), text.begin() + line_start, '\n'));
  lone_cr_column_ = at - line_start + 1;
}

void DiagnosticsSink::add_lone_carriage_return() {
  const std::size_t line = lone_cr_line_;
  lone_cr_line_ = 0;
  add(line, Severity::kWarning, explain_lone_carriage_return(), line_text(line),
      lone_cr_column_);
}

void DiagnosticsSink::finish() {
  if (lone_cr_line_ != 0) add_lone_carriage_return();
}

void DiagnosticsSink::invalid_utf8(std::size_t offset) {
  const std::size_t line_start = offset == 0 ? 0 : text_.rfind('\n', offset - 1) + 1;
  const std::size_t line = 1 + static_cast<std::size_t>(
                                   std::count(text_.begin(), text_.begin() + line_start, '\n'));
  std::string explanation = "invalid UTF-8: " + hex_bytes(text_.substr(offset));
  failure_ = "invalid UTF-8 on line " + std::to_string(line) + ", column " +
             std::to_string(offset - line_start + 1);
  if (const std::string_view encoding = wide_encoding_name(text_); !encoding.empty()) {
    explanation += " (the file is " + std::string(encoding) + " text; the loader reads UTF-8 only)";
    failure_ = "the file is " + std::string(encoding) + " text";
  }
  cursor_line_ = line;
  cursor_offset_ = line_start;
  add(line, Severity::kError, explanation + "; the file cannot be loaded", line_text(line),
      offset - line_start + 1);
}

void DiagnosticsSink::entry_before_header(std::size_t line, std::string_view text) {
  const std::string_view encoding = wide_encoding_name(text_);
  if (!encoding.empty()) {
    failure_ = "the file is " + std::string(encoding) + " text";
  } else if (text.starts_with("\xEF\xBB\xBF")) {
    failure_ = "a byte order mark begins line " + std::to_string(line);
  } else {
    failure_ = "an entry line ahead of the first header, on line " + std::to_string(line);
  }
  add(line, Severity::kError, explain_entry_before_header(text, encoding), text);
}

std::size_t DiagnosticsSink::Hash::operator()(std::string_view text) const noexcept {
  return static_cast<std::size_t>(XXH3_64bits(text.data(), text.size()));
}

void DiagnosticsSink::section_started(std::size_t line, std::string_view name) {
  section_.assign(name);
  key_lines_.clear();
  const auto first = section_lines_.find(name);
  if (first == section_lines_.end()) {
    section_lines_.emplace(std::string(name), line);
    return;
  }
  add(line, Severity::kWarning,
      "section " + quoted(name, 40) + " was opened before, on line " +
          std::to_string(first->second) +
          ": this one makes a second collection of the name, which get_collection never "
          "returns (it finds the first)",
      line_text(line));
}

void DiagnosticsSink::bracket_line_skipped(std::size_t line, std::string_view text) {
  std::optional<std::string> hidden = explain_hidden_header(text, section_);
  add(line, Severity::kSkipped,
      hidden ? std::move(*hidden) : explain_bracket_line(text, section_), text);
}

void DiagnosticsSink::wrong_field_count(std::size_t line, std::string_view text, std::size_t) {
  if (std::optional<std::string> hidden = explain_hidden_header(text, section_)) {
    add(line, Severity::kSkipped, std::move(*hidden), text);
    return;
  }
  split_entries(text, fields_, 6);  // the loader's own splitter: the same fields
  add(line, Severity::kSkipped, explain_field_count(fields_), text);
}

void DiagnosticsSink::bad_type_code(std::size_t line, std::string_view text,
                                    TypeCodeError error) {
  split_entries(text, fields_);
  add(line, Severity::kError, explain_type_code(fields_, error), text);
}

void DiagnosticsSink::unresolved_value(std::size_t line, std::string_view text, TypeCode code,
                                       ParseFailure failure) {
  split_entries(text, fields_);
  add(line, Severity::kError, explain_unresolved_value(fields_, code, failure), text);
}

void DiagnosticsSink::entry_storing(std::size_t line, const Collection& collection,
                                    std::string_view key, const DataType& value) {
  // A text without quotes is stored as written; containers are looked into.
  const bool text_with_quotes = value.kind() == DataType::Kind::kText &&
                                value.as_text().find('"') != std::string_view::npos;
  if (text_with_quotes || value.kind() == DataType::Kind::kArray ||
      value.kind() == DataType::Kind::kDocument) {
    warn_quiet_change(line, value);
  }
  const auto [earlier, first] = key_lines_.try_emplace(XXH3_64bits(key.data(), key.size()), line);
  if (first) return;
  if (collection.get(key) != nullptr) {
    add(line, Severity::kWarning,
        "key " + quoted(key, 40) + " of section " + quoted(section_, 40) +
            " was set before, on line " + std::to_string(earlier->second) +
            ": that value is lost, this one replaces it",
        line_text(line));
  }
  earlier->second = line;
}

void DiagnosticsSink::warn_quiet_change(std::size_t line, const DataType& value) {
  const std::string_view text = line_text(line);
  std::string_view code_field;
  std::string_view value_text;
  if (const auto common = split_common_entry(text)) {
    code_field = (*common)[0];
    value_text = (*common)[2];
  } else {
    split_entries(text, fields_, 3);  // the loader's own splitter: the same fields
    code_field = fields_[0];
    value_text = fields_[2];
  }
  const std::expected<TypeCode, TypeCodeError> code = read_type_code(code_field);
  if (!code) return;
  if (std::optional<std::string> change = explain_quiet_change(*code, value_text, value)) {
    add(line, Severity::kWarning, std::move(*change), text);
  }
}

void DiagnosticsSink::add_file_error(std::string explanation) {
  failure_ = explanation;
  add(0, Severity::kError, std::move(explanation), {});
}

void DiagnosticsSink::add(std::size_t line, Severity severity, std::string explanation,
                          std::string_view line_text, std::size_t column) {
  if (lone_cr_line_ != 0 && lone_cr_line_ <= line) add_lone_carriage_return();
  ++counts_[static_cast<std::size_t>(severity)];
  if (!handler_) return;
  handler_(Diagnostic{line, severity, std::move(explanation), printable(line_text, kExcerptLimit),
                      column});
}

std::string_view DiagnosticsSink::line_text(std::size_t number) {
  if (number < cursor_line_) {  // rare: start again from the top
    cursor_line_ = 1;
    cursor_offset_ = 0;
  }
  while (cursor_line_ < number && cursor_offset_ <= text_.size()) {
    const std::size_t end = text_.find('\n', cursor_offset_);
    cursor_offset_ = end == std::string_view::npos ? text_.size() + 1 : end + 1;
    ++cursor_line_;
  }
  if (cursor_line_ != number || cursor_offset_ > text_.size()) return {};
  const std::string_view rest = text_.substr(cursor_offset_);
  return trim_whitespace(rest.substr(0, rest.find('\n')));
}

}  // namespace quorvane::check
