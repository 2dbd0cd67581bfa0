#pragma once

namespace lanterncrest {

// A home for formatting helpers; it has none of its own yet. Nothing in the framework uses it;
// a host that names it keeps compiling, and gets nothing else from it.
class SimpleFormator
{
};

} // namespace lanterncrest
