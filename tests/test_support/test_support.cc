#include "tests/test_support/test_support.h"

#include <unistd.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <stdexcept>
#include <utility>
#include <vector>

#include "core/value/document.h"
#include "core/load/load_sink.h"
#include "core/load/loader.h"

namespace quorvane::testing {

StdoutCapture::StdoutCapture() {
  std::fflush(stdout);
  file_ = std::tmpfile();
  saved_fd_ = ::dup(1);
  if (file_ == nullptr || saved_fd_ < 0 || ::dup2(::fileno(file_), 1) < 0) {
    throw std::runtime_error("cannot redirect standard output");
  }
}

StdoutCapture::~StdoutCapture() {
  if (saved_fd_ >= 0) finish();
}

std::string StdoutCapture::finish() {
  std::string out;
  if (saved_fd_ < 0) return out;
  std::fflush(stdout);
  ::dup2(saved_fd_, 1);
  ::close(saved_fd_);
  saved_fd_ = -1;
  std::rewind(file_);
  char buffer[4096];
  std::size_t got;
  while ((got = std::fread(buffer, 1, sizeof buffer, file_)) > 0) out.append(buffer, got);
  std::fclose(file_);
  file_ = nullptr;
  return out;
}

namespace {

std::string escaped(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string describe_document(const Document& document, Quoting quoting) {
  std::vector<std::pair<std::string, std::string>> entries;
  document.for_each([&](std::string_view key, const DataType& item) {
    entries.emplace_back(quoting == Quoting::kExact ? escaped(key) : std::string(key),
                         describe(item, quoting));
  });
  std::ranges::sort(entries);
  std::string out = "{";
  for (const auto& [key, text] : entries) {
    if (out.size() > 1) out += ", ";
    out += key + ": " + text;
  }
  return out + "}";
}

}  // namespace

std::string describe(const DataType& value, Quoting quoting) {
  switch (value.kind()) {
    case DataType::Kind::kId:
      return "id:" + value.as_id().text();
    case DataType::Kind::kText:
      return quoting == Quoting::kExact ? escaped(value.as_text())
                                        : "\"" + std::string(value.as_text()) + "\"";
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
        out += describe(item, quoting);
      }
      return out + "]";
    }
    case DataType::Kind::kDocument:
      return describe_document(value.as_document(), quoting);
  }
  return "?";
}

std::string describe(const Database& db) {
  std::string out;
  for (const Collection& c : db.collections()) out += c.name + ": " + describe(c.data) + "\n";
  return out;
}

std::expected<Database, Error> load_text(std::string_view path, std::string_view text) {
  StdoutSink sink;
  return load_database(path, text, sink);
}

}  // namespace quorvane::testing
