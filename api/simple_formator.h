#pragma once

namespace lanterncrest {

// A home for formatting helpers; it has none of its own yet.
class SimpleFormator {
};

} // namespace lanterncrest
