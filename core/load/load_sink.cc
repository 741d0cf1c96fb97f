#include "core/load/load_sink.h"

#include <cstdio>

namespace quorvane {

std::string_view message(TypeCodeError error) {
  switch (error) {
    case TypeCodeError::kInvalidDigit:
      return "Error parsing: Some(ParseIntError { kind: InvalidDigit })";
    case TypeCodeError::kPosOverflow:
      return "Error parsing: Some(ParseIntError { kind: PosOverflow })";
  }
  return "Error parsing: unknown";
}

void print_line(std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}

}  // namespace quorvane
