#pragma once

#include "platform/export.h"

extern "C" {
// The framework's version as a number and as text, for hosts that check what they loaded.
LANTERNCREST_EXPORT extern const double LanterncrestVersionNumber;
LANTERNCREST_EXPORT extern const unsigned char LanterncrestVersionString[];
}
