#pragma once

#include <QtGlobal>

#include <chrono>

namespace lanterncrest {

// How a Session sends. The defaults are the framework's; tests shorten the time-outs.
struct SessionConfiguration
{
    // The longest quiet spell while a request waits for or receives its answer.
    std::chrono::milliseconds requestTimeout = std::chrono::seconds(60);
    // The longest a whole request may take, from its start to its last byte.
    std::chrono::milliseconds resourceTimeout = std::chrono::seconds(60);
    // A body larger than this ends the request as a failure, so that no answer can
    // exhaust memory.
    qsizetype maximumBodySize = 32 * 1024 * 1024;
};

} // namespace lanterncrest
