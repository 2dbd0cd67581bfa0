#pragma once

#include <functional>

namespace lanterncrest {

// Work for the main thread's event loop.
class MainQueue
{
public:
    // Runs `block` once on the main thread, no sooner than `seconds` from now and never
    // inside this call (a delay of zero or less runs it in a later turn of the loop).
    // Without a QCoreApplication the block is dropped.
    static void asyncAfter(double seconds, std::function<void()> block);
};

} // namespace lanterncrest
