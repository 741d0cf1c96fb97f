#include "tests/test_support/reference_parser.h"

#include <vector>

#include "core/value/document.h"
#include "core/text/number_parser.h"
#include "core/text/uuid_text.h"
#include "core/text/value_parser.h"
#include "tests/test_support/reference_split.h"

namespace quorvane::reference {
namespace {

// The scan state of the item splitter.
struct Counters {
  bool quoted = false;
  long brackets = 0;
  long braces = 0;

  // Applies `c`; true when `c` is a splitting comma.
  bool splits_at(char c) {
    if (c == '"') quoted = !quoted;
    if (c == '[') ++brackets;
    if (c == ']') --brackets;
    if (c == '{') ++braces;
    if (c == '}') --braces;
    return c == ',' && !quoted && brackets == 0 && braces == 0;
  }
};

// Each piece is the text between two splitting commas.
std::vector<std::string_view> array_items(std::string_view inner) {
  std::vector<std::string_view> items;
  std::size_t begin = 0;
  Counters counters;
  for (std::size_t i = 0; i < inner.size(); ++i) {
    if (counters.splits_at(inner[i])) {
      items.push_back(inner.substr(begin, i - begin));
      begin = i + 1;
    }
  }
  if (begin < inner.size()) items.push_back(inner.substr(begin));
  return items;
}

struct Pair {
  std::string_view key;
  std::string_view value;
};

// Key text up to the next colon, then value text up to a splitting comma,
// with the counters starting afresh after the colon.
std::vector<Pair> document_pairs(std::string_view inner) {
  std::vector<Pair> pairs;
  std::size_t begin = 0;  // of the key text, or of the value text
  std::string_view key;
  bool key_mode = true;
  Counters counters;
  for (std::size_t i = 0; i < inner.size(); ++i) {
    if (key_mode) {
      if (inner[i] == ':') {
        key = inner.substr(begin, i - begin);
        begin = i + 1;
        key_mode = false;
        counters = Counters{};
      }
    } else if (counters.splits_at(inner[i])) {
      pairs.push_back({key, inner.substr(begin, i - begin)});
      begin = i + 1;
      key_mode = true;
    }
  }
  const std::string_view rest = inner.substr(begin);
  if (!key_mode && !key.empty() && !rest.empty()) pairs.push_back({key, rest});
  return pairs;
}

// `text` without the double quotes at either end; inner quotes stay.
std::string_view unquoted(std::string_view text) {
  while (text.starts_with('"')) text.remove_prefix(1);
  while (text.ends_with('"')) text.remove_suffix(1);
  return text;
}

bool enclosed(std::string_view text, char open, char close) {
  return text.size() >= 2 && text.front() == open && text.back() == close;
}

}  // namespace

TypeCode reference_infer_type(std::string_view text) {
  text = trim(text);
  if (parse_uuid(text)) return kIdCode;
  if (is_number_text(text)) return kNumberCode;
  if (parse_boolean(text)) return kBooleanCode;
  if (text.empty()) return kTextCode;
  if (text.front() == '[') return text.size() >= 2 && text.back() == ']' ? kArrayCode : kTextCode;
  if (text.front() == '{')
    return text.size() >= 2 && text.back() == '}' ? kDocumentCode : kTextCode;
  return kTextCode;
}

std::expected<DataType, ParseFailure> reference_parse_value(TypeCode code, std::string_view text,
                                                            std::size_t depth) {
  text = trim(text);
  const auto syntax = std::unexpected(ParseFailure::kSyntax);
  switch (code) {
    case kIdCode:
      if (const auto id = parse_uuid(text)) return DataType::id(*id);
      return syntax;
    case kTextCode:
      return DataType::text(unquoted(text));
    case kNumberCode:
      if (const auto number = parse_number(text)) return DataType::number(*number);
      return syntax;
    case kBooleanCode:
      if (const auto flag = parse_boolean(text)) return DataType::boolean(*flag);
      return syntax;
    case kArrayCode: {
      if (!enclosed(text, '[', ']')) return syntax;
      if (depth + 1 > kMaxNestingDepth) return std::unexpected(ParseFailure::kTooDeep);
      Array items;
      for (const std::string_view item : array_items(text.substr(1, text.size() - 2))) {
        auto value = reference_parse_value(reference_infer_type(item), item, depth + 1);
        if (!value) return value;
        items.push_back(std::move(*value));
      }
      return DataType::array(std::move(items));
    }
    case kDocumentCode: {
      if (!enclosed(text, '{', '}')) return syntax;
      if (depth + 1 > kMaxNestingDepth) return std::unexpected(ParseFailure::kTooDeep);
      Document document;
      for (const Pair& pair : document_pairs(text.substr(1, text.size() - 2))) {
        auto value = reference_parse_value(reference_infer_type(pair.value), pair.value, depth + 1);
        if (!value) return value;
        document.insert_or_assign(trim(pair.key), std::move(*value));
      }
      return DataType::document(std::move(document));
    }
    default:
      return std::unexpected(ParseFailure::kNoVariant);
  }
}

}  // namespace quorvane::reference
