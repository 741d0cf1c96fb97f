#include "fuzz/fuzz_support.h"

#include <algorithm>
#include <cstring>

#include "core/value/document.h"
#include "core/text/unicode.h"
#include "core/text/value_parser.h"

namespace quorvane::fuzz {
namespace {

void check_below(const DataType& value, bool utf8) {
  switch (value.kind()) {
    case DataType::Kind::kText:
      if (utf8) require(is_valid_utf8(value.as_text()), "parsed text is not valid UTF-8");
      break;
    case DataType::Kind::kArray:
      for (const DataType& item : value.as_array()) check_below(item, utf8);
      break;
    case DataType::Kind::kDocument:
      value.as_document().for_each([&](std::string_view key, const DataType& item) {
        if (utf8) require(is_valid_utf8(key), "parsed key is not valid UTF-8");
        require(trim_whitespace(key) == key, "parsed key keeps surrounding whitespace");
        check_below(item, utf8);
      });
      break;
    default:
      break;
  }
}

}  // namespace

std::size_t nesting_depth(const DataType& value) {
  std::size_t deepest = 0;
  if (value.is(DataType::Kind::kArray)) {
    for (const DataType& item : value.as_array()) deepest = std::max(deepest, nesting_depth(item));
    return deepest + 1;
  }
  if (value.is(DataType::Kind::kDocument)) {
    value.as_document().for_each([&](std::string_view, const DataType& item) {
      deepest = std::max(deepest, nesting_depth(item));
    });
    return deepest + 1;
  }
  return 0;
}

bool same_value(const DataType& a, const DataType& b) {
  if (a.kind() != b.kind()) return false;
  switch (a.kind()) {
    case DataType::Kind::kId:
      return a.as_id() == b.as_id();
    case DataType::Kind::kText:
      return a.as_text() == b.as_text();
    case DataType::Kind::kNumber: {
      const float x = a.as_number(), y = b.as_number();
      return std::memcmp(&x, &y, sizeof x) == 0;
    }
    case DataType::Kind::kBoolean:
      return a.as_boolean() == b.as_boolean();
    case DataType::Kind::kArray: {
      const Array &x = a.as_array(), &y = b.as_array();
      if (x.size() != y.size()) return false;
      for (std::size_t i = 0; i < x.size(); ++i) {
        if (!same_value(x[i], y[i])) return false;
      }
      return true;
    }
    case DataType::Kind::kDocument: {
      const Document &x = a.as_document(), &y = b.as_document();
      if (x.size() != y.size()) return false;
      bool same = true;
      x.for_each([&](std::string_view key, const DataType& value) {
        const DataType* other = y.find(key);
        same = same && other && same_value(value, *other);
      });
      return same;
    }
  }
  return false;
}

void check_parsed_value(const DataType& value, bool input_was_utf8) {
  require(nesting_depth(value) <= kMaxNestingDepth, "value nests deeper than kMaxNestingDepth");
  check_below(value, input_was_utf8);
}

}  // namespace quorvane::fuzz
