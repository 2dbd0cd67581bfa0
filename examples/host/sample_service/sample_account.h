#pragma once

namespace lanterncrest {

// The service account that the sample service accepts at its login. It must match the
// account compiled into the framework, which logs in with it after a 401.
inline constexpr const char* kSampleAccountEmail = "service@lanterncrest.example";
inline constexpr const char* kSampleAccountPassword = "Lc-sample-2024!x";

} // namespace lanterncrest
