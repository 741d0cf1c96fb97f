# quorvane_checker_probe(OUT): sets OUT to whether this compiler and standard
# library can build quorvane-check. Beyond what the module needs, the checker
# uses CLI11, std::filesystem and std::to_chars of floating-point values
# (missing from some standard libraries). When they fail, the module is still
# built without the checker, and the configure output says so.
include(CheckCXXSourceCompiles)

function(quorvane_checker_probe out)
  get_target_property(cli11_dirs quorvane_cli11 INTERFACE_INCLUDE_DIRECTORIES)
  set(CMAKE_REQUIRED_INCLUDES ${cli11_dirs})
  set(CMAKE_REQUIRED_QUIET ON)
  check_cxx_source_compiles([=[
#include <CLI/CLI.hpp>
#include <charconv>
#include <filesystem>
int main(int argc, char** argv) {
  CLI::App app{"probe"};
  CLI11_PARSE(app, argc, argv);
  char buffer[32];
  std::to_chars(buffer, buffer + sizeof buffer, 1.5f, std::chars_format::scientific);
  std::error_code error;
  return std::filesystem::is_directory(argv[0], error) ? 1 : 0;
}
]=] QUORVANE_CHECKER_BUILDABLE)
  if(QUORVANE_CHECKER_BUILDABLE)
    message(STATUS "quorvane-check: built")
  else()
    message(WARNING "quorvane-check is not built: this compiler cannot build it (it needs "
                    "CLI11, std::filesystem and std::to_chars of floating-point values). "
                    "The module is built without it.")
  endif()
  set(${out} ${QUORVANE_CHECKER_BUILDABLE} PARENT_SCOPE)
endfunction()
