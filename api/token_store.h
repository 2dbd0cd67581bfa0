#pragma once

#include "api/authorization_details.h"

#include <QString>
#include <QVariantMap>
#include <optional>

namespace lanterncrest {

// The last login's answer, kept in the standard user defaults so that it survives
// restarts. Every read goes to the user defaults; nothing is cached. Main thread only.
//
// Stored under "auth_access_token_data" as a dictionary with at most
// "auth_access_token" (text), "auth_token_type" (text), "auth_expires_in" (integer) and
// "auth_refresh_token" (text); absent members leave their key out.

inline constexpr const char *authorizationDataKey = "auth_access_token_data";

// Replaces whatever an earlier login stored, then writes it to disk, in a settings file that
// only its owner may read or write.
void saveAuthorizationDetails(const AuthorizationDetails &details);

// The stored dictionary; absent when nothing, or something other than a dictionary, is
// stored.
std::optional<QVariantMap> getAuthorizationData();

// The stored access token exactly as received; empty when none is stored or it is not a
// text.
QString getAccessToken();

} // namespace lanterncrest
