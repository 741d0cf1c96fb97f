#include "checker/explain.h"

#include <algorithm>
#include <cstddef>
#include <optional>

#include "checker/display_text.h"
#include "core/load/section_parser.h"
#include "core/text/unicode.h"

namespace quorvane::check {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kCannotLoad = "the file cannot be loaded";

// What `code` names, for example "3 (Number)", or just "7".
std::string describe_code(TypeCode code) {
  static constexpr std::string_view kNames[] = {"Id",      "Text",  "Number",
                                                "Boolean", "Array", "Document"};
  std::string out = std::to_string(code);
  if (code >= kIdCode && code <= kDocumentCode) {
    out += " (" + std::string(kNames[code - 1]) + ")";
  }
  return out;
}

// What a value text must look like under `code` (for the codes whose parse
// can fail).
std::string_view expectation(TypeCode code) {
  switch (code) {
    case kIdCode:
      return "a UUID: 32 hexadecimal digits, plain or hyphenated 8-4-4-4-12, "
             "or hyphenated in braces or after urn:uuid:";
    case kNumberCode:
      return "a decimal number such as 12, -2.5 or 1e3, or inf or nan";
    case kBooleanCode:
      return "true or false";
    case kArrayCode:
      return "an array between square brackets, such as [1, 2]";
    case kDocumentCode:
      return "a document between curly braces, such as {a: 1}";
    default:
      return "a value of its type";
  }
}

// The character of `word` that makes the splitter join the words after it
// into one field: an unpaired quote, or an unbalanced bracket or brace.
std::optional<char> field_opener(std::string_view word) {
  const auto count = [&](char c) { return std::count(word.begin(), word.end(), c); };
  if (count('"') % 2 != 0) return '"';
  if (count('\'') % 2 != 0) return '\'';
  if (count('[') != count(']')) return count('[') > count(']') ? '[' : ']';
  if (count('{') != count('}')) return count('{') > count('}') ? '{' : '}';
  return std::nullopt;
}

// Whether `field` reads as a whole number: an optional sign, then digits.
bool looks_like_number(std::string_view field) {
  if (field.starts_with('+') || field.starts_with('-')) field.remove_prefix(1);
  return !field.empty() && std::all_of(field.begin(), field.end(), [](char c) {
    return c >= '0' && c <= '9';
  });
}

// Why a line of two fields, the first of which is no joined field, came out
// that way.
std::string two_field_hint(const EntryFields& fields) {
  if (!looks_like_number(fields[0])) return "; the type code is missing";
  std::string hint = "; the value is missing";
  const auto code = read_type_code(fields[0]);
  if (!code || *code < kIdCode || *code > kDocumentCode) {
    hint += " (and " + quoted(fields[0], 30) + " names no type: the types are 1 to 6)";
  }
  return hint;
}

// Why a line of fewer than three fields came out that way.
std::string short_line_hint(const EntryFields& fields) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const std::string_view field = fields[i];
    const std::size_t space = field.find(' ');
    if (space == std::string_view::npos) continue;
    const std::optional<char> opener = field_opener(field.substr(0, space));
    std::string hint = "; field " + std::to_string(i + 1) + " took in the rest of the line";
    if (opener) hint += ", opened by the " + quoted(std::string_view(&*opener, 1)) + " in it";
    hint += i == 0 ? " (a type code is a plain number)"
                   : " (a key is one word and keeps its quotes; only the value may be quoted)";
    return hint;
  }
  if (fields.size() == 2) return two_field_hint(fields);
  return "; the type code, key and value must be separated by whitespace";
}

// The first bracket or brace of `word` that stands between double quotes
// when the word also balances its brackets and braces by plain count, but
// not once the quoted ones are left out: the splitter, which counts them all,
// ended the field at this word.
std::optional<char> bracket_in_quotes(std::string_view word) {
  const auto count = [&](char c) { return std::count(word.begin(), word.end(), c); };
  if (count('[') != count(']') || count('{') != count('}')) return std::nullopt;
  std::optional<char> first;
  long depth = 0;
  bool in_quotes = false;
  for (const char c : word) {
    if (c == '"') in_quotes = !in_quotes;
    if (c != '[' && c != ']' && c != '{' && c != '}') continue;
    if (in_quotes && !first) first = c;
    if (!in_quotes) depth += (c == '[' || c == '{') ? 1 : -1;
  }
  return depth != 0 ? first : std::nullopt;
}

// Why a line of more than three fields came out that way.
std::string long_line_hint(const EntryFields& fields) {
  for (std::size_t i = 2; i < fields.kept() && i < 4; ++i) {
    const std::optional<char> inside = bracket_in_quotes(fields[i]);
    if (!inside) continue;
    return "; the " + quoted(std::string_view(&*inside, 1)) + " between quotes in " +
           quoted(fields[i], 40) +
           " is counted like any other: brackets and braces are counted without regard to "
           "quotes, so they balance there and the field ends with that word";
  }
  return "; a value with spaces must be one text between double quotes, "
         "or one array or document";
}

// Whether the first four bytes of `text` are zero but for byte `at`, as
// for a character below U+0100 in UTF-32.
bool one_utf32_unit(std::string_view text, std::size_t at) {
  if (text.size() < 4) return false;
  for (std::size_t i = 0; i < 4; ++i) {
    if ((text[i] == '\0') == (i == at)) return false;
  }
  return true;
}

}  // namespace

std::string explain_field_count(const EntryFields& fields) {
  std::string out =
      count_of(fields.size(), "field") + " where an entry line needs 3 (type code, key, value):";
  for (std::size_t i = 0; i < fields.kept(); ++i) out += " " + quoted(fields[i], 40);
  if (fields.kept() < fields.size()) out += " …";
  if (fields.size() < 3) return out + short_line_hint(fields);
  return out + long_line_hint(fields);
}

std::string explain_type_code(const EntryFields& fields, TypeCodeError error) {
  std::string out = "type code " + quoted(fields[0], 30);
  out += error == TypeCodeError::kPosOverflow ? " is larger than 65535"
                                              : " is not a whole number from 0 to 65535";
  if (read_type_code(fields[1])) out += " (are the type code and the key swapped?)";
  return out + "; the module prints \"" + std::string(message(error)) + "\"";
}

std::string explain_unresolved_value(const EntryFields& fields, TypeCode code,
                                     ParseFailure failure) {
  std::string out;
  switch (failure) {
    case ParseFailure::kNoVariant:
      out = "type code " + std::to_string(code) +
            " names no type: the types are 1 Id, 2 Text, 3 Number, 4 Boolean, 5 Array "
            "and 6 Document";
      break;
    case ParseFailure::kSyntax:
      out = "value " + quoted(fields[2]) + " of key " + quoted(fields[1], 40) +
            " does not fit type code " + describe_code(code) + ", which expects " +
            std::string(expectation(code));
      break;
    case ParseFailure::kTooDeep:
      out = "value of key " + quoted(fields[1], 40) +
            " nests arrays and documents deeper than the limit of " +
            std::to_string(kMaxNestingDepth) + " levels";
      break;
  }
  return out + "; the module prints \"" + std::string(kUnresolvedValueMessage) + "\"";
}

std::string explain_entry_before_header(std::string_view line, std::string_view encoding) {
  if (!encoding.empty()) {
    return "the file is " + std::string(encoding) +
           " text, in which every ASCII character comes with zero bytes, so no line is a "
           "header; " +
           std::string(kCannotLoad) + " (save it as UTF-8)";
  }
  if (line.starts_with(kByteOrderMark)) {
    const std::string_view rest = trim_whitespace(line.substr(kByteOrderMark.size()));
    std::string_view what = "";
    if (rest.empty()) what = "blank line";
    if (rest.starts_with('#')) what = "comment";
    if (header_name(rest)) what = "header";
    if (!what.empty()) {
      return "the line begins with a byte order mark (U+FEFF), which is no whitespace, so "
             "this " +
             std::string(what) + " counts as an entry line ahead of the first header; " +
             std::string(kCannotLoad) + " (save it as UTF-8 without the mark)";
    }
  }
  return "entry line ahead of the first header: every entry line must follow a [name] "
         "line; " +
         std::string(kCannotLoad);
}

std::string explain_lone_carriage_return() {
  return "a carriage return (\\r) that no line feed follows: the loader ends lines only at "
         "line feeds, so the text on both sides of it is one line (save the file with \\n or "
         "\\r\\n line endings)";
}

std::string_view wide_encoding_name(std::string_view text) {
  using namespace std::string_view_literals;
  if (text.starts_with("\xFF\xFE\0\0"sv)) return "UTF-32LE";
  if (text.starts_with("\0\0\xFE\xFF"sv)) return "UTF-32BE";
  if (one_utf32_unit(text, 0)) return "UTF-32LE";
  if (one_utf32_unit(text, 3)) return "UTF-32BE";
  if (text.starts_with("\xFF\xFE")) return "UTF-16LE";
  if (text.starts_with("\xFE\xFF")) return "UTF-16BE";
  if (text.size() < 4) return {};
  const std::size_t pairs = std::min<std::size_t>(text.size() / 2, 8);
  bool little = true;
  bool big = true;
  for (std::size_t i = 0; i < pairs; ++i) {
    little = little && text[2 * i] != '\0' && text[2 * i + 1] == '\0';
    big = big && text[2 * i] == '\0' && text[2 * i + 1] != '\0';
  }
  return little ? "UTF-16LE" : big ? "UTF-16BE" : std::string_view{};
}

std::string explain_bracket_line(std::string_view line, std::string_view section) {
  std::string out = "line begins with \"[\" but does not end with \"]\", so it is no header";
  if (line.find(']') != std::string_view::npos) {
    out += " (a comment after a header must go on a line of its own)";
  }
  return out + "; it is skipped and the lines below stay in section " + quoted(section, 40);
}

std::optional<std::string> explain_hidden_header(std::string_view line,
                                                 std::string_view section) {
  const std::string_view visible = trim_invisible(line);
  if (visible.size() == line.size()) return std::nullopt;
  const std::optional<std::string_view> name = header_name(visible);
  if (!name) return std::nullopt;
  const bool before = visible.data() != line.data();
  const std::string_view hidden =
      before ? line.substr(0, static_cast<std::size_t>(visible.data() - line.data()))
             : line.substr(visible.size());
  return "the invisible " + quoted(hidden, 20) +
         (before ? " before the \"[\"" : " after the \"]\"") +
         " makes this line no header: no section " + quoted(*name, 40) +
         " is made, and the lines below stay in section " + quoted(section, 40);
}

}  // namespace quorvane::check
