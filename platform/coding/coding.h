#pragma once

// Everything a record needs to be decoded from and encoded to JSON.
#include "platform/coding/boxed.h"
#include "platform/coding/coding_key.h"
#include "platform/coding/decodable.h"
#include "platform/coding/decode_result.h"
#include "platform/coding/decoder.h"
#include "platform/coding/decoding_error.h"
#include "platform/coding/encodable.h"
#include "platform/coding/encoder.h"
#include "platform/coding/json_decoder.h"
#include "platform/coding/json_encoder.h"
#include "platform/coding/keyed_decoding_container.h"
#include "platform/coding/single_value_decoding_container.h"
