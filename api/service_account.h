#pragma once

namespace lanterncrest {

// The account the framework logs in with, compiled in. A header alone, so that the host
// example's sample service can accept it without linking the framework's objects a second
// time. The password never leaves the login request's body: don't print or log it.
struct ServiceAccount
{
    static constexpr const char *email = "service@lcrestdata.io";
    static constexpr const char *password = "Lc7!rQ2m#Vw9zT4e";
};

} // namespace lanterncrest
