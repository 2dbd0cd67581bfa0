#pragma once

#include "platform/export.h"

namespace lanterncrest {

// The one progress overlay of the process: a spinner in the middle of the active window (or of
// the first visible window; on its own small window when none is shown). It lets clicks through.
// show() and dismiss() are idempotent: showing twice still shows one overlay, and one dismiss()
// takes it down. Closing the window it sits on takes it down too. Main thread only.
class LANTERNCREST_EXPORT ProgressHUD {
public:
    static void show();
    static void dismiss();
    static bool isVisible();
};

} // namespace lanterncrest
