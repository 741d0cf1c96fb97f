// The section counting pass of a load: how large to make each collection's
// table before its entries are stored. Free of state; any thread.
#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace quorvane {

// For each section of `text` in order, how many entries its table is sized
// for before loading: its entry lines (neither blank, nor comments, nor
// headers), but no more than one per six bytes of the section (the shortest
// entry line, "1 k v", and its line feed), so that lines that cannot load
// reserve little. Entry lines ahead of the first header are not counted.
std::vector<std::size_t> section_sizes(std::string_view text);

}  // namespace quorvane
