#pragma once

// What a host may use carries LANTERNCREST_EXPORT; everything else stays inside the library.
#if defined(LANTERNCREST_BUILDING)
#  define LANTERNCREST_EXPORT __attribute__((visibility("default")))
#else
#  define LANTERNCREST_EXPORT
#endif
