#include "platform/coding/json_encoder.h"

namespace lanterncrest {

std::string JSONEncoder::dump(const nlohmann::ordered_json &json)
{
    return json.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

} // namespace lanterncrest
