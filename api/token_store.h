#pragma once

#include "api/api_configuration.h"
#include "api/authorization_details.h"

#include <QString>
#include <QVariantMap>
#include <optional>

namespace lanterncrest {

// The last login's answer, kept in the standard user defaults so that it survives
// restarts. Every read goes to the user defaults; nothing is cached, except a login that could
// not be written (see saveAuthorizationDetails()). Main thread only.
//
// Stored under "auth_access_token_data" as a dictionary with at most
// "auth_access_token" (text), "auth_token_type" (text), "auth_expires_in" (integer) and
// "auth_refresh_token" (text); absent members leave their key out. Beside it,
// "auth_access_token_origin" holds the origin of the service that issued the token, as a text
// "scheme://host:port" (see httpOrigin()); a token stored without it, by an earlier version,
// counts as the configured service's.

inline constexpr const char *authorizationDataKey = "auth_access_token_data";
inline constexpr const char *authorizationOriginKey = "auth_access_token_origin";

// Replaces whatever an earlier login stored, recording `origin` as the service that issued it,
// then writes it to disk, in a settings file that only its owner may read or write. When the
// file can't be written, or can't be made its owner's alone (a directory or a link at its
// path), the console and the daily log say so (never the token) and the login is kept for
// this run only; in the second case nothing at the settings path is touched.
void saveAuthorizationDetails(const AuthorizationDetails &details,
                              const QString &origin = ApiConfiguration::origin());

// The stored dictionary; absent when nothing, or something other than a dictionary, is
// stored.
std::optional<QVariantMap> getAuthorizationData();

// The stored access token exactly as received; empty when none is stored or it is not a
// text.
QString getAccessToken();

// The stored access token when a request to `origin` may carry it, that is when the service
// at `origin` issued it; empty otherwise, as when none is stored.
QString accessTokenFor(const QString &origin);

} // namespace lanterncrest
