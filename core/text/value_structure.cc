#include "core/text/value_structure.h"

#include "core/text/structure_scan.h"

namespace quorvane {

std::expected<void, ParseFailure> scan_value_structure(std::string_view text, ValueStructure& out) {
  return structure_scan::scan<structure_scan::NoSink>(text, out, nullptr);
}

}  // namespace quorvane
