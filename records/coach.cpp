#include "records/coach.h"

namespace lanterncrest {

bool PlayerCoaches::decode(const Decoder &decoder, PlayerCoaches &out)
{
    return coding_detail::decodeRecord(decoder, out);
}

void PlayerCoaches::encode(Encoder &encoder) const
{
    coding_detail::encodeRecord(encoder, *this);
}

} // namespace lanterncrest
