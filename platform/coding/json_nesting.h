#pragma once

#include <cstddef>
#include <string_view>

namespace lanterncrest {

// How deeply arrays and objects may nest in any JSON text the framework reads. The service's
// answers nest about a dozen levels. Parsing, copying, writing out and freeing a JSON value all
// recurse over its nesting, so a text that nests deeper is refused before any of that happens,
// and no answer can exhaust the stack.
inline constexpr std::size_t maximumJsonNesting = 512;

// True when no array or object in `bytes` opens deeper than maximumJsonNesting. Only brackets
// and braces outside strings count; whether `bytes` are JSON at all is left to the parser.
bool nestsWithinLimit(std::string_view bytes);

} // namespace lanterncrest
