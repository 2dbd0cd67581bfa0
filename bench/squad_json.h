#pragma once

#include <cstddef>
#include <string>

namespace lanterncrest::bench {

// A squad answer of `players` players with every member present, generated the same way on
// every run. With `halfWrongKind`, half of each player's members hold a value of the wrong
// JSON kind (a number for a text, a text for a number, an array for a record).
std::string squadJson(std::size_t players, bool halfWrongKind);

} // namespace lanterncrest::bench
