#pragma once

namespace lanterncrest {

// The HTTP methods the framework sends.
enum class HttpMethod {
    Get,
    Post,
};

} // namespace lanterncrest
