# The header-only libraries the build uses, as INTERFACE targets that the
# other CMakeLists link:
#   quorvane::boost_unordered  boost::unordered_flat_map (Boost >= 1.81)
#   quorvane::xxhash           xxhash.h, inlined (XXH_INLINE_ALL), >= 0.8
#   quorvane::cli11            the checker's command line (CLI11 >= 2.0)
# A copy of each is kept in third_party/ (see third_party/README.md), so a
# build needs nothing installed. With QUORVANE_USE_SYSTEM_DEPS (the default)
# an installed copy that is recent enough is preferred; turned off, only the
# copies in third_party/ are used. The choice is printed at configure time.

option(QUORVANE_USE_SYSTEM_DEPS
       "Prefer installed Boost, xxHash and CLI11 headers to the copies in third_party/" ON)
set(_quorvane_vendored ${PROJECT_SOURCE_DIR}/third_party)

# _quorvane_header_dep(TARGET LABEL HEADER VERSION_REGEX MIN_VERSION VENDORED_DIR)
# Makes TARGET an INTERFACE library with a SYSTEM include folder: the
# installed one holding HEADER when its version (the match groups of
# VERSION_REGEX in HEADER, joined by dots; underscores count as dots) is at
# least MIN_VERSION, else VENDORED_DIR.
function(_quorvane_header_dep target label header version_regex min_version vendored_dir)
  set(dir "")
  if(QUORVANE_USE_SYSTEM_DEPS)
    find_path(_found_${target} ${header} NO_CACHE)
    if(_found_${target})
      file(READ "${_found_${target}}/${header}" text)
      string(REGEX MATCH "${version_regex}" _ "${text}")
      set(version "${CMAKE_MATCH_1}")
      set(minor "${CMAKE_MATCH_2}")
      if(NOT minor STREQUAL "")
        string(APPEND version ".${minor}")
      endif()
      string(REPLACE "_" "." version "${version}")
      if(version AND version VERSION_GREATER_EQUAL min_version)
        set(dir ${_found_${target}})
        set(where "installed, ${version}, in ${dir}")
      endif()
    endif()
  endif()
  if(NOT dir)
    set(dir ${vendored_dir})
    set(where "from third_party/")
  endif()
  add_library(${target} INTERFACE)
  target_include_directories(${target} SYSTEM INTERFACE ${dir})
  message(STATUS "${label}: ${where}")
endfunction()

_quorvane_header_dep(quorvane_boost_unordered "Boost.Unordered" boost/version.hpp
  "define BOOST_LIB_VERSION \"([0-9_]+)\"" 1.81 ${_quorvane_vendored}/boost/include)
add_library(quorvane::boost_unordered ALIAS quorvane_boost_unordered)

# xxhash.h spreads its version over three lines.
_quorvane_header_dep(quorvane_xxhash "xxHash" xxhash.h
  "XXH_VERSION_MAJOR +([0-9]+)[^X]*XXH_VERSION_MINOR +([0-9]+)" 0.8 ${_quorvane_vendored}/xxhash/include)
add_library(quorvane::xxhash ALIAS quorvane_xxhash)

_quorvane_header_dep(quorvane_cli11 "CLI11" CLI/Version.hpp
  "define CLI11_VERSION \"([0-9.]+)\"" 2.0 ${_quorvane_vendored}/cli11/include)
add_library(quorvane::cli11 ALIAS quorvane_cli11)
