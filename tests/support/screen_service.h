#pragma once

#include "tests/support/loopback_service.h"

namespace lanterncrest::test {

// The loopback service that the screens under test talk to. The framework reads its base URL
// once per process (ApiConfiguration::baseUrl()), so every screen test of one process shares
// this service: the first call starts it and points LANTERNCREST_API_BASE_URL at it, and must
// come before anything reads the base URL. It lives as long as the QApplication. Tests script
// their own paths or team ids and call clearRequests() when they count requests.
LoopbackService &screenService();

} // namespace lanterncrest::test
