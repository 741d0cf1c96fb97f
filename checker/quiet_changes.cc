#include "checker/quiet_changes.h"

#include <algorithm>
#include <cstddef>
#include <unordered_set>
#include <utility>
#include <vector>

#include "checker/display_text.h"
#include "checker/float_text.h"
#include "core/text/comma_scan.h"
#include "core/value/document.h"
#include "core/text/unicode.h"
#include "core/text/uuid_text.h"

namespace quorvane::check {
namespace {

using Change = std::optional<std::string>;

// One pair of a document text: its key text and value text; `dropped` when
// the loader keeps no pair for it (no colon, or nothing on one side of the
// last colon).
struct PairText {
  std::string_view key;
  std::string_view value;
  bool dropped = false;
};

// The item texts of the array inner text `inner`, as the loader cuts them;
// nothing when the text is too deep for a direct scan.
std::optional<std::vector<std::string_view>> item_texts(std::string_view inner) {
  if (inner.size() > kMaxDirectScanText) return std::nullopt;
  std::vector<std::string_view> items;
  std::size_t start = 0;
  const std::size_t stop = scan_splitting_commas(inner, 0, inner.size(), [&](std::size_t at) {
    items.push_back(inner.substr(start, at - start));
    start = at + 1;
    return true;
  });
  if (stop != inner.size()) return std::nullopt;
  if (start < inner.size()) items.push_back(inner.substr(start));
  return items;
}

// The pair texts of the document inner text `inner`, as above.
std::optional<std::vector<PairText>> pair_texts(std::string_view inner) {
  if (inner.size() > kMaxDirectScanText) return std::nullopt;
  std::vector<PairText> pairs;
  std::size_t rest = 0;
  const std::size_t end = inner.size();
  const std::size_t stop = scan_pairs(inner, 0, end, [&](std::size_t key, std::size_t colon,
                                                         std::size_t value_end) {
    const bool kept = value_end < end || (colon > key && colon + 1 < end);
    pairs.push_back({inner.substr(key, colon - key),
                     inner.substr(colon + 1, value_end - colon - 1), !kept});
    rest = value_end < end ? value_end + 1 : end;
  });
  if (stop != end) return std::nullopt;
  if (!trim_whitespace(inner.substr(rest)).empty()) {
    pairs.push_back({inner.substr(rest), inner.substr(end), true});
  }
  return pairs;
}

bool is_braced_hex(std::string_view text) {
  return text.size() == 34 && text.front() == '{' && text.back() == '}' &&
         std::all_of(text.begin() + 1, text.end() - 1, [](char c) {
           return (c >= '0' && c <= '9') || ((c | 0x20) >= 'a' && (c | 0x20) <= 'f');
         });
}

bool balanced(std::string_view text) {
  const auto count = [&](char c) { return std::count(text.begin(), text.end(), c); };
  return count('[') == count(']') && count('{') == count('}');
}

// Whether `text` holds a comma outside double quotes where the brackets and
// braces outside quotes balance: one that would split the text, had the
// brackets and braces between quotes not been counted.
bool has_unsplit_comma(std::string_view text) {
  long depth = 0;
  bool quoted_now = false;
  for (const char c : text) {
    if (c == '"') quoted_now = !quoted_now;
    if (quoted_now) continue;
    if (c == '[' || c == '{') ++depth;
    if (c == ']' || c == '}') --depth;
    if (c == ',' && depth == 0) return true;
  }
  return false;
}

Change find_change(std::string_view text, const DataType& value, bool inferred);

// A text value read from the trimmed text `text`.
Change text_change(std::string_view text, std::string_view stored, bool inferred) {
  if (text.starts_with('"') != text.ends_with('"') && stored.find('"') != std::string_view::npos) {
    return "the quotes of " + quoted(text, 40) +
           " do not close where the text seems to end (only quotes at its two ends are "
           "removed, and brackets and braces count even between quotes), so it is the text " +
           quoted(stored, 40);
  }
  const bool in_quotes = text.size() >= 2 && text.front() == '"' && text.back() == '"';
  if (inferred && !in_quotes && !balanced(text)) {
    return "the brackets or braces of " + quoted(text, 40) +
           " do not balance, so it is no array or document but the text " + quoted(stored, 40);
  }
  if (inferred && has_unsplit_comma(text)) {
    return "a bracket or brace between quotes in " + quoted(text, 40) +
           " is counted, so the comma after it splits nothing: it is the one text " +
           quoted(stored, 40);
  }
  return std::nullopt;
}

Change array_change(std::string_view text, const Array& array) {
  const auto items = item_texts(text.substr(1, text.size() - 2));
  if (!items || items->size() != array.size()) return std::nullopt;
  for (std::size_t i = 0; i < items->size(); ++i) {
    if (Change change = find_change(trim_whitespace((*items)[i]), array[i], true)) return change;
  }
  return std::nullopt;
}

// The first item of `pairs` that the loader drops or changes, or a key
// given twice.
Change pair_list_change(const std::vector<PairText>& pairs) {
  std::unordered_set<std::string_view> keys;
  for (const PairText& pair : pairs) {
    const std::string_view key = trim_whitespace(pair.key);
    if (pair.dropped) {
      const bool colon = pair.key.data() + pair.key.size() < pair.value.data();
      return "the item " + quoted(key, 40) +
             (colon ? " lacks a key or a value" : " has no colon") + ", so it is dropped";
    }
    if (const std::size_t comma = key.find(','); comma != std::string_view::npos) {
      return "the item " + quoted(trim_whitespace(key.substr(0, comma)), 40) +
             " has no colon, so it becomes part of the key " + quoted(key, 40);
    }
    if (!keys.insert(key).second) {
      return "the key " + quoted(key, 40) +
             " is given twice in one document, so the later value replaces the earlier one";
    }
  }
  return std::nullopt;
}

Change document_change(std::string_view text, const Document& document) {
  if (is_braced_hex(text)) {
    return quoted(text, 40) +
           " is no UUID (a UUID in braces needs its hyphens), so it is read as a document "
           "without pairs, an empty document";
  }
  const auto pairs = pair_texts(text.substr(1, text.size() - 2));
  if (!pairs) return std::nullopt;
  if (Change change = pair_list_change(*pairs)) return change;
  for (const PairText& pair : *pairs) {  // every key once, every pair kept
    const DataType* stored = document.find(trim_whitespace(pair.key));
    if (stored == nullptr) return std::nullopt;
    if (Change change = find_change(trim_whitespace(pair.value), *stored, true)) return change;
  }
  return std::nullopt;
}

// The first quiet change in `value`, read from the trimmed text `text`;
// `inferred` when the type came from the text itself.
Change find_change(std::string_view text, const DataType& value, bool inferred) {
  switch (value.kind()) {
    case DataType::Kind::kText:
      return text_change(text, value.as_text(), inferred);
    case DataType::Kind::kArray:
      if (text.size() < 2 || text.front() != '[') return std::nullopt;
      return array_change(text, value.as_array());
    case DataType::Kind::kDocument:
      if (text.size() < 2 || text.front() != '{') return std::nullopt;
      return document_change(text, value.as_document());
    default:
      return std::nullopt;
  }
}

void append_described(const DataType& value, std::string& out);

void append_document(const Document& document, std::string& out) {
  std::vector<std::pair<std::string_view, const DataType*>> entries;
  document.for_each([&](std::string_view k, const DataType& v) { entries.emplace_back(k, &v); });
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  out += '{';
  for (std::size_t i = 0; i < entries.size(); ++i) {
    if (i > 0) out += ", ";
    out.append(entries[i].first).append(": ");
    append_described(*entries[i].second, out);
  }
  out += '}';
}

void append_described(const DataType& value, std::string& out) {
  switch (value.kind()) {
    case DataType::Kind::kId: {
      char text[Id::kTextLength];
      value.as_id().write_text(text);
      out.append(text, Id::kTextLength);
      return;
    }
    case DataType::Kind::kText:
      out.append("\"").append(value.as_text()).append("\"");
      return;
    case DataType::Kind::kNumber:
      out += python_float_repr(value.as_number());
      return;
    case DataType::Kind::kBoolean:
      out += value.as_boolean() ? "true" : "false";
      return;
    case DataType::Kind::kArray:
      out += '[';
      for (std::size_t i = 0; i < value.as_array().size(); ++i) {
        if (i > 0) out += ", ";
        append_described(value.as_array()[i], out);
      }
      out += ']';
      return;
    case DataType::Kind::kDocument:
      append_document(value.as_document(), out);
      return;
  }
}

}  // namespace

std::string describe_value(const DataType& value) {
  std::string out;
  append_described(value, out);
  return out;
}

std::optional<std::string> explain_quiet_change(TypeCode code, std::string_view text,
                                                const DataType& value) {
  if (code != kTextCode && code != kArrayCode && code != kDocumentCode) return std::nullopt;
  Change change = find_change(trim_whitespace(text), value, false);
  if (!change) return std::nullopt;
  if (value.kind() == DataType::Kind::kText) return change;  // it names the text already
  return *change + "; the value stored is " + quoted(describe_value(value), 80);
}

}  // namespace quorvane::check
