#pragma once

#include "examples/host/sample_service/sample_season.h"
#include "examples/host/sample_service/seeded_sequence.h"

#include <string>

namespace lanterncrest {

struct SampleName
{
    std::string en;
    std::string ar;
};

// An invented full name in the given style, in English and Arabic. Most have two words; a
// few have three (a father's name in the middle) and some Latin ones are a single nickname,
// so every way of cutting a name into first and last word shows up in the squads.
SampleName inventName(NameStyle style, SeededSequence &sequence);

} // namespace lanterncrest
