#include "checker/json_writer.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "checker/float_text.h"
#include "core/value/document.h"
#include "core/text/unicode.h"

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

using ValueWriter = void (*)(const DataType&, std::string&);

// The size from which `out` is handed to a spill after a member.
constexpr std::size_t kSpillSize = std::size_t{1} << 20;

void append_object(const Document& document, ValueWriter write, std::string& out,
                   const JsonSpill* spill = nullptr) {
  out += '{';
  bool first = true;
  for (const auto& [key, value] : sorted_entries(document)) {
    if (!first) out += ", ";
    first = false;
    append_json_string(key, out);
    out += ": ";
    write(*value, out);
    if (spill != nullptr && out.size() >= kSpillSize) {
      (*spill)(out);
      out.clear();
    }
  }
  out += '}';
}

void append_array(const Array& array, ValueWriter write, std::string& out) {
  out += '[';
  bool first = true;
  for (const DataType& item : array) {
    if (!first) out += ", ";
    first = false;
    write(item, out);
  }
  out += ']';
}

void append_id(const Id& id, std::string& out) {
  char text[Id::kTextLength];
  id.write_text(text);
  out += '"';
  out.append(text, Id::kTextLength);
  out += '"';
}

void append_u_escape(unsigned code, std::string& out) {
  char escape[8];
  std::snprintf(escape, sizeof escape, "\\u%04x", code);
  out += escape;
}

// The escape of an ASCII byte, if it needs one.
std::optional<std::string_view> ascii_escape(char c) {
  switch (c) {
    case '"':
      return "\\\"";
    case '\\':
      return "\\\\";
    case '\n':
      return "\\n";
    case '\r':
      return "\\r";
    case '\t':
      return "\\t";
    case '\b':
      return "\\b";
    case '\f':
      return "\\f";
    default:
      return std::nullopt;
  }
}

// Appends valid UTF-8 `text` escaped.
void append_valid_utf8(std::string_view text, std::string& out) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    const auto byte = static_cast<unsigned char>(c);
    if (const std::optional<std::string_view> escape = ascii_escape(c)) {
      out += *escape;
    } else if (byte < 0x20 || byte == 0x7F) {
      append_u_escape(byte, out);
    } else if (byte == 0xC2 && i + 1 < text.size() &&
               static_cast<unsigned char>(text[i + 1]) < 0xA0) {
      append_u_escape(static_cast<unsigned char>(text[++i]), out);  // C1: U+0080 to U+009F
    } else if (byte == 0xE2 && text.substr(i + 1, 1) == "\x80" &&
               (text.substr(i + 2, 1) == "\xA8" || text.substr(i + 2, 1) == "\xA9")) {
      append_u_escape(text[i + 2] == '\xA8' ? 0x2028 : 0x2029, out);
      i += 2;
    } else {
      out += c;
    }
  }
}

// Appends `text` as a JSON string, with `stray` writing each byte that is
// no part of valid UTF-8.
void append_string(std::string_view text, void (*stray)(unsigned char, std::string&),
                   std::string& out) {
  out += '"';
  while (const std::optional<std::size_t> bad = find_invalid_utf8(text)) {
    append_valid_utf8(text.substr(0, *bad), out);
    stray(static_cast<unsigned char>(text[*bad]), out);
    text.remove_prefix(*bad + 1);
  }
  append_valid_utf8(text, out);
  out += '"';
}

}  // namespace

void append_json_string(std::string_view text, std::string& out) {
  append_string(text, [](unsigned char, std::string& to) { to += "\xEF\xBF\xBD"; }, out);
}

void append_json_file_name(std::string_view name, std::string& out) {
  append_string(
      name, [](unsigned char byte, std::string& to) { append_u_escape(0xDC00 + byte, to); }, out);
}

void append_json_number(float number, std::string& out) {
  const double widened = number;
  out += std::isfinite(widened) ? python_float_repr(widened) : "null";
}

void append_json(const DataType& value, std::string& out) {
  switch (value.kind()) {
    case DataType::Kind::kId:
      return append_id(value.as_id(), out);
    case DataType::Kind::kText:
      return append_json_string(value.as_text(), out);
    case DataType::Kind::kNumber:
      return append_json_number(value.as_number(), out);
    case DataType::Kind::kBoolean:
      out += value.as_boolean() ? "true" : "false";
      return;
    case DataType::Kind::kArray:
      return append_array(value.as_array(), append_json, out);
    case DataType::Kind::kDocument:
      return append_object(value.as_document(), append_json, out);
  }
}

void append_typed_json(const DataType& value, std::string& out) {
  switch (value.kind()) {
    case DataType::Kind::kId:
      out += "{\"Id\": ";
      append_id(value.as_id(), out);
      break;
    case DataType::Kind::kText:
      out += "{\"Text\": ";
      append_json_string(value.as_text(), out);
      break;
    case DataType::Kind::kNumber: {
      out += "{\"Number\": ";
      const double widened = value.as_number();
      out += std::isfinite(widened) ? python_float_repr(widened)
                                    : "\"" + python_float_repr(widened) + "\"";
      break;
    }
    case DataType::Kind::kBoolean:
      out += value.as_boolean() ? "{\"Boolean\": true" : "{\"Boolean\": false";
      break;
    case DataType::Kind::kArray:
      out += "{\"Array\": ";
      append_array(value.as_array(), append_typed_json, out);
      break;
    case DataType::Kind::kDocument:
      out += "{\"Document\": ";
      append_object(value.as_document(), append_typed_json, out);
      break;
  }
  out += '}';
}

namespace {

void append_collections(const Database& database, ValueWriter write, std::string& out,
                        const JsonSpill* spill) {
  out += '[';
  bool first = true;
  for (const Collection& collection : database.collections()) {
    if (!first) out += ", ";
    first = false;
    out += "{\"name\": ";
    append_json_string(collection.name, out);
    out += ", \"entries\": ";
    append_object(collection.entries(), write, out, spill);
    out += '}';
  }
  out += ']';
}

void append_typed_database(std::string_view path, const Database* database, std::string& out,
                           const JsonSpill* spill) {
  out += "{\"file\": ";
  append_json_file_name(path, out);
  out += ", \"collections\": ";
  if (database == nullptr) {
    out += "null";
  } else {
    append_collections(*database, append_typed_json, out, spill);
  }
  out += '}';
}

}  // namespace

std::string database_json(const Database& database) {
  std::string out;
  append_collections(database, append_json, out, nullptr);
  return out;
}

std::string typed_database_json(std::string_view path, const Database* database) {
  std::string out;
  append_typed_database(path, database, out, nullptr);
  return out;
}

void write_database_json(const Database& database, const JsonSpill& spill) {
  std::string out;
  append_collections(database, append_json, out, &spill);
  spill(out);
}

void write_typed_database_json(std::string_view path, const Database* database,
                               const JsonSpill& spill) {
  std::string out;
  append_typed_database(path, database, out, &spill);
  spill(out);
}

}  // namespace quorvane::check
