#include "checker/quiet_changes.h"

#include <algorithm>
#include <cstddef>
#include <unordered_set>
#include <utility>
#include <vector>

#include "checker/display_text.h"
#include "checker/float_text.h"
#include "core/value/document.h"
#include "core/text/unicode.h"
#include "core/text/value_structure.h"

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
  const StructureItem* item = nullptr;
};

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

Change level_change(std::string_view text, const ValueStructure& structure,
                    const StructureLevel& level, const DataType& value);

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

// The first quiet change in the item `item` of a level, which became `value`.
Change item_change(std::string_view text, const ValueStructure& structure,
                   const StructureItem& item, const DataType& value) {
  if (item.kind == ItemKind::kArray || item.kind == ItemKind::kDocument) {
    return level_change(text, structure, structure.levels[item.level], value);
  }
  if (!value.is(DataType::Kind::kText)) return std::nullopt;
  return text_change(trim_whitespace(item.value.of(text)), value.as_text(), true);
}

Change array_change(std::string_view text, const ValueStructure& structure,
                    const StructureLevel& level, const Array& array) {
  std::size_t i = 0;
  Change change;
  structure.for_each_item(level, [&](const StructureItem& item) {
    change = item_change(text, structure, item, array[i++]);
    return !change;
  });
  return change;
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

Change document_change(std::string_view text, const ValueStructure& structure,
                       const StructureLevel& level, const Document& document) {
  const std::string_view whole =
      text.substr(level.inner.begin - 1, level.inner.end - level.inner.begin + 2);
  if (is_braced_hex(whole)) {
    return quoted(whole, 40) +
           " is no UUID (a UUID in braces needs its hyphens), so it is read as a document "
           "without pairs, an empty document";
  }
  std::vector<PairText> pairs;
  structure.for_each_item(level, [&](const StructureItem& item) {
    const bool dropped = item.kind == ItemKind::kDropped;
    // Blank text after the last pair is no pair at all.
    if (!dropped || !trim_whitespace(item.key.of(text)).empty() ||
        item.value.begin != item.value.end) {
      pairs.push_back({item.key.of(text), item.value.of(text), dropped, &item});
    }
    return true;
  });
  if (Change change = pair_list_change(pairs)) return change;
  for (const PairText& pair : pairs) {  // every key once, every pair kept
    const DataType* stored = document.find(trim_whitespace(pair.key));
    if (stored == nullptr) return std::nullopt;
    if (Change change = item_change(text, structure, *pair.item, *stored)) return change;
  }
  return std::nullopt;
}

// The first quiet change in the level `level` of `text`, which became `value`.
Change level_change(std::string_view text, const ValueStructure& structure,
                    const StructureLevel& level, const DataType& value) {
  if (level.document) {
    if (!value.is(DataType::Kind::kDocument)) return std::nullopt;
    return document_change(text, structure, level, value.as_document());
  }
  if (!value.is(DataType::Kind::kArray)) return std::nullopt;
  return array_change(text, structure, level, value.as_array());
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
  const std::string_view trimmed = trim_whitespace(text);
  Change change;
  if (value.is(DataType::Kind::kText)) {
    change = text_change(trimmed, value.as_text(), false);
    return change;  // it names the text already
  }
  ValueStructure structure;
  if (!scan_value_structure(trimmed, structure)) return std::nullopt;
  change = level_change(trimmed, structure, structure.top(), value);
  if (!change) return std::nullopt;
  return *change + "; the value stored is " + quoted(describe_value(value), 80);
}

}  // namespace quorvane::check
