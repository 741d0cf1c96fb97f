# quorvane_include_root(<target> <PUBLIC|PRIVATE> <folder>...)
#
# Gives <target> an include root of its own that holds only the named source
# folders (paths from the project root, such as core/value), each as a link at
# its own path. #include "core/store/database.h" then resolves only in a target
# whose root, or the root of a library it links, holds core/store: an include
# that goes against the declared dependencies fails to compile.
function(quorvane_include_root target scope)
  set(root ${PROJECT_BINARY_DIR}/include_roots/${target})
  foreach(folder IN LISTS ARGN)
    get_filename_component(parent ${root}/${folder} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
  endforeach()
  target_include_directories(${target} ${scope} ${root})
endfunction()
