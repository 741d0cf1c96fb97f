// Fuzzes the entry splitter with any bytes as one line.
//
// Checks: no field is empty or has White_Space at either end, and inside a
// field every whitespace run is a single space; the fields joined by single
// spaces are the line's words joined by single spaces; splitting that joined
// text again gives the same fields; the owned-string form agrees with the
// reusable one (also when the reused object held a longer line before); a
// split that keeps three fields counts them all and keeps the first; and,
// for lines of moderate length, the fields equal those of a plain rendering
// of the rule that recounts the whole field after every word.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/load/entry_splitter.h"
#include "fuzz/fuzz_support.h"
#include "tests/test_support/reference_split.h"

namespace quorvane::fuzz {
namespace {

// Reference rendering is quadratic in the words of a joined field.
constexpr std::size_t kReferenceMaxLength = 4096;

std::string joined(const std::vector<std::string>& parts) {
  std::string out;
  for (const std::string& part : parts) {
    if (!out.empty()) out += ' ';
    out += part;
  }
  return out;
}

std::vector<std::string> fields_of(const EntryFields& fields) {
  std::vector<std::string> out;
  for (std::size_t i = 0; i < fields.kept(); ++i) out.emplace_back(fields[i]);
  return out;
}

void check_field(std::string_view field) {
  require(!field.empty(), "empty field");
  require(reference::trim(field) == field, "field with whitespace at an end");
  for (std::size_t i = 0; i < field.size();) {
    const std::size_t space = reference::whitespace_length(field.substr(i));
    if (space == 0) {
      ++i;
      continue;
    }
    require(space == 1 && field[i] == ' ', "whitespace other than a single space in a field");
    require(reference::whitespace_length(field.substr(i + 1)) == 0, "a whitespace run in a field");
    i += space;
  }
}

EntryFields& reused_fields() {
  static EntryFields fields;
  return fields;
}

}  // namespace
}  // namespace quorvane::fuzz

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace quorvane;
  using namespace quorvane::fuzz;
  const ExactCopy input(data, size);
  const std::string_view line = input.view();

  EntryFields fresh;
  split_entries(line, fresh);
  const std::vector<std::string> fields = fields_of(fresh);
  for (const std::string& field : fields) check_field(field);
  const std::vector<std::string> words = reference::words(line);
  require(joined(fields) == joined(words), "fields do not rejoin into the line's words");

  require(split_entries(line) == fields, "owned and reusable splits differ");
  EntryFields limited;
  split_entries(line, limited, 3);
  require(limited.size() == fields.size(), "a limited split counts other fields");
  const std::vector<std::string> first(fields.begin(), fields.begin() + limited.kept());
  require(limited.kept() == std::min<std::size_t>(3, fields.size()) && fields_of(limited) == first,
          "a limited split keeps other fields");
  split_entries(line, reused_fields());
  require(fields_of(reused_fields()) == fields, "a reused split differs from a fresh one");

  const std::string normalised = joined(words);
  require(split_entries(normalised) == fields, "splitting the rejoined line differs");
  if (size <= kReferenceMaxLength) {
    require(reference::split(line) == fields, "split differs from the rule recounted per word");
  }
  return 0;
}
