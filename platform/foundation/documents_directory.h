#pragma once

#include <QString>
#include <optional>

namespace lanterncrest {

// The absolute path of the user's Documents folder, created when missing; absent when
// the platform names none or it cannot be created (e.g. a file stands in its place).
std::optional<QString> documentsDirectory();

} // namespace lanterncrest
