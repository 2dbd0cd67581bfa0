#pragma once

#include "api/i_network_manager.h"

#include <memory>

namespace lanterncrest {

// What the list screens' requests go through: the HTTP client.
class IPlayerListService
{
public:
    virtual ~IPlayerListService() = default;

    // The client to send with; may be absent.
    virtual std::shared_ptr<INetworkManager> networkManager() const = 0;

protected:
    IPlayerListService() = default;
    IPlayerListService(const IPlayerListService &) = default;
    IPlayerListService &operator=(const IPlayerListService &) = default;
};

} // namespace lanterncrest
