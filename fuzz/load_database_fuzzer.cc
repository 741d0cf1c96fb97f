// Fuzzes loading a database file, with the input as the file's contents.
//
// The input is loaded twice: through load_database with a sink that checks
// every report as it comes, and through StdoutSink (standard output
// goes to /dev/null). Checks: a load fails exactly when the text is not
// UTF-8 (at the offset find_invalid_utf8 gives) or has an entry line ahead of
// its first header; a loaded database keeps its path, has one collection per
// header line in file order, and each collection's data is a Document whose
// keys were all reported stored and whose values pass check_parsed_value;
// each collection equals what parse_section builds from its section's text;
// both loads give the same database.
#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/store/database.h"
#include "core/load/loader.h"
#include "core/load/section_parser.h"
#include "core/text/unicode.h"
#include "fuzz/fuzz_support.h"

namespace quorvane::fuzz {
namespace {

constexpr std::string_view kPath = "fuzz.mdb";

// Records what the loader reports and checks each report on arrival.
struct CheckingSink {
  std::optional<std::size_t> invalid_at;
  bool header_missing = false;
  std::vector<std::string> sections;
  std::vector<std::vector<std::string>> stored_keys;  // per section
  std::size_t last_line = 0;

  void line(std::size_t number) {
    require(number >= last_line, "lines reported out of order");
    last_line = number;
  }
  void invalid_utf8(std::size_t offset) {
    require(!invalid_at, "invalid UTF-8 reported twice");
    invalid_at = offset;
  }
  void entry_before_header(std::size_t number, std::string_view text) {
    line(number);
    require(!text.empty() && text.front() != '#', "blank or comment line reported as entry");
    header_missing = true;
  }
  void section_started(std::size_t number, std::string_view name) {
    line(number);
    sections.emplace_back(name);
    stored_keys.emplace_back();
  }
  void bracket_line_skipped(std::size_t number, std::string_view text) {
    line(number);
    require(text.starts_with('['), "skipped bracket line without a bracket");
  }
  void wrong_field_count(std::size_t number, std::string_view, std::size_t count) {
    line(number);
    require(count != 3, "three fields reported as the wrong count");
  }
  void bad_type_code(std::size_t number, std::string_view, TypeCodeError) { line(number); }
  void unresolved_value(std::size_t number, std::string_view, TypeCode, ParseFailure) {
    line(number);
  }
  void entry_storing(std::size_t number, const Collection& collection, std::string_view key,
                     const DataType& value) {
    line(number);
    require(!sections.empty() && collection.name == sections.back(),
            "stored in another collection");
    require(!key.empty() && trim_whitespace(key) == key, "stored key empty or untrimmed");
    check_parsed_value(value, true);
    stored_keys.back().emplace_back(key);
  }
};
static_assert(LoadSink<CheckingSink>);

bool same_collection(const Collection& a, const Collection& b) {
  require(a.data.is(DataType::Kind::kDocument) && b.data.is(DataType::Kind::kDocument),
          "collection data is not a Document");
  return a.name == b.name && same_value(a.data, b.data);
}

// The trimmed lines of `text` that are neither blank nor comments.
std::vector<std::string_view> content_lines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = trim_whitespace(text.substr(pos, end - pos));
    pos = end + 1;
    if (!line.empty() && line.front() != '#') lines.push_back(line);
  }
  return lines;
}

// The collections that parse_section builds from the sections of `text`.
std::vector<Collection> sections_parsed_alone(std::string_view text) {
  std::vector<Collection> parsed;
  std::string section;
  SilentSink silent;
  auto flush = [&] {
    if (section.empty()) return;
    const std::optional<Collection> collection = parse_section(section, silent);
    require(collection.has_value(), "parse_section refused a section with a header");
    parsed.push_back(std::move(*collection));
    section.clear();
  };
  for (const std::string_view line : content_lines(text)) {
    if (header_name(line)) flush();
    section.append(line).push_back('\n');
  }
  flush();
  return parsed;
}

void check_loaded(std::string_view text, const Database& db, const CheckingSink& sink) {
  require(db.path() == kPath, "path not kept");
  const std::vector<Collection>& collections = db.collections();
  require(collections.size() == sink.sections.size(), "collections differ from reported sections");
  const std::vector<Collection> alone = sections_parsed_alone(text);
  require(alone.size() == collections.size(), "loader and parse_section disagree on sections");
  for (std::size_t i = 0; i < collections.size(); ++i) {
    const Collection& collection = collections[i];
    require(collection.name == sink.sections[i], "collection name differs from its header");
    require(same_collection(collection, alone[i]), "loader and parse_section disagree");
    const std::vector<std::string>& stored = sink.stored_keys[i];
    require(collection.entries().size() <= stored.size(), "more entries than entries stored");
    collection.entries().for_each([&](std::string_view key, const DataType& value) {
      check_parsed_value(value, true);
      require(std::find(stored.begin(), stored.end(), key) != stored.end(), "key never stored");
    });
  }
}

}  // namespace
}  // namespace quorvane::fuzz

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The module's sink prints one line per rejected entry; keep it quiet.
  const int null_fd = ::open("/dev/null", O_WRONLY);
  if (null_fd >= 0) ::dup2(null_fd, STDOUT_FILENO);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvane;
  using namespace quorvane::fuzz;
  const ExactCopy input(data, size);
  const std::string_view text = input.view();

  CheckingSink sink;
  const std::expected<Database, Error> db = load_database(kPath, text, sink);
  const std::optional<std::size_t> invalid = find_invalid_utf8(text);
  require(sink.invalid_at == invalid, "invalid UTF-8 reported at another offset");
  if (!db) {
    require(db.error() == Error::kErrorReadingFile, "load failed with another error");
    require(invalid.has_value() != sink.header_missing, "load failed without one reason");
  } else {
    require(!invalid && !sink.header_missing, "load succeeded despite a reason to fail");
    check_loaded(text, *db, sink);
  }

  StdoutSink stdout_sink;
  const std::expected<Database, Error> printed = load_database(kPath, text, stdout_sink);
  require(printed.has_value() == db.has_value(), "the two loads disagree on success");
  if (db) {
    require(printed->collections().size() == db->collections().size(),
            "the two loads built different numbers of collections");
    for (std::size_t i = 0; i < db->collections().size(); ++i) {
      require(same_collection(db->collections()[i], printed->collections()[i]),
              "the two loads built different collections");
    }
  }
  return 0;
}
