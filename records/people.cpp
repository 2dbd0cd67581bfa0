#include "records/people.h"

namespace lanterncrest {

bool People::decode(const Decoder &decoder, People &out)
{
    return coding_detail::decodeRecord(decoder, out);
}

void People::encode(Encoder &encoder) const
{
    coding_detail::encodeRecord(encoder, *this);
}

} // namespace lanterncrest
