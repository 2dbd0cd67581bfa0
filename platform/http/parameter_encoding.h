#pragma once

namespace lanterncrest {

// Where a request's parameters go.
enum class ParameterEncoding {
    // Percent-encoded query items appended to the URL (for GET), or a form body (for POST).
    // An empty dictionary adds nothing.
    Url,
    // The parameters as one JSON object in the body, with "Content-Type: application/json"
    // unless the caller set a Content-Type of its own.
    Json,
};

} // namespace lanterncrest
