#include "checker/json_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>
#include <vector>

#include "checker/float_text.h"
#include "core/value/document.h"

namespace quorvane::check {
namespace {

// The entries of `document` sorted by key, byte-wise.
std::vector<std::pair<std::string_view, const DataType*>> sorted_entries(
    const Document& document) {
  std::vector<std::pair<std::string_view, const DataType*>> entries;
  entries.reserve(document.size());
  document.for_each(
      [&](std::string_view key, const DataType& value) { entries.emplace_back(key, &value); });
  std::sort(entries.begin(), entries.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  return entries;
}

void append_object(const Document& document, std::string& out) {
  out += '{';
  bool first = true;
  for (const auto& [key, value] : sorted_entries(document)) {
    if (!first) out += ", ";
    first = false;
    append_json_string(key, out);
    out += ": ";
    append_json(*value, out);
  }
  out += '}';
}

}  // namespace

void append_json_string(std::string_view text, std::string& out) {
  out += '"';
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      case '\b':
        out += "\\b";
        break;
      case '\f':
        out += "\\f";
        break;
      default:
        if (byte < 0x20) {
          char escape[8];
          std::snprintf(escape, sizeof escape, "\\u%04x", byte);
          out += escape;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void append_json_number(float number, std::string& out) {
  const double widened = number;
  if (std::isnan(widened)) {
    out += "NaN";
  } else if (std::isinf(widened)) {
    out += widened < 0 ? "-Infinity" : "Infinity";
  } else {
    out += python_float_repr(widened);
  }
}

void append_json(const DataType& value, std::string& out) {
  switch (value.kind()) {
    case DataType::Kind::kId: {
      char text[Id::kTextLength];
      value.as_id().write_text(text);
      out += '"';
      out.append(text, Id::kTextLength);
      out += '"';
      return;
    }
    case DataType::Kind::kText:
      append_json_string(value.as_text(), out);
      return;
    case DataType::Kind::kNumber:
      append_json_number(value.as_number(), out);
      return;
    case DataType::Kind::kBoolean:
      out += value.as_boolean() ? "true" : "false";
      return;
    case DataType::Kind::kArray: {
      out += '[';
      bool first = true;
      for (const DataType& item : value.as_array()) {
        if (!first) out += ", ";
        first = false;
        append_json(item, out);
      }
      out += ']';
      return;
    }
    case DataType::Kind::kDocument:
      append_object(value.as_document(), out);
      return;
  }
}

std::string database_json(const Database& database) {
  std::string out = "[";
  bool first = true;
  for (const Collection& collection : database.collections()) {
    if (!first) out += ", ";
    first = false;
    out += "{\"name\": ";
    append_json_string(collection.name, out);
    out += ", \"entries\": ";
    append_object(collection.entries(), out);
    out += '}';
  }
  out += ']';
  return out;
}

}  // namespace quorvane::check
