#include "api/version.h"

extern "C" {
const double LanterncrestVersionNumber = 1.0;
const unsigned char LanterncrestVersionString[] = "1.0";
}
