// Test helper: a canonical text of a value, for comparing values in tables.
// Texts are double-quoted with \" and \\ escapes, numbers in their shortest
// round-trip form, Ids as id:<hyphenated>, document keys sorted.
#pragma once

#include <algorithm>
#include <charconv>
#include <string>
#include <utility>
#include <vector>

#include "core/value/data_type.h"
#include "core/value/document.h"

namespace quorvane {

inline std::string quote_text(std::string_view text) {
  std::string out = "\"";
  for (char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

inline std::string describe(const DataType& value) {
  switch (value.kind()) {
    case DataType::Kind::kId:
      return "id:" + value.as_id().text();
    case DataType::Kind::kText:
      return quote_text(value.as_text());
    case DataType::Kind::kNumber: {
      char buffer[32];
      const auto end = std::to_chars(buffer, buffer + sizeof buffer, value.as_number()).ptr;
      return std::string(buffer, end);
    }
    case DataType::Kind::kBoolean:
      return value.as_boolean() ? "true" : "false";
    case DataType::Kind::kArray: {
      std::string out = "[";
      for (const DataType& item : value.as_array()) {
        if (out.size() > 1) out += ", ";
        out += describe(item);
      }
      return out + "]";
    }
    case DataType::Kind::kDocument: {
      std::vector<std::pair<std::string, std::string>> entries;
      value.as_document().for_each([&](std::string_view key, const DataType& item) {
        entries.emplace_back(quote_text(key), describe(item));
      });
      std::sort(entries.begin(), entries.end());
      std::string out = "{";
      for (const auto& [key, item] : entries) {
        if (out.size() > 1) out += ", ";
        out += key + ": " + item;
      }
      return out + "}";
    }
  }
  return "?";
}

}  // namespace quorvane
