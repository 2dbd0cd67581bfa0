#pragma once

#include "platform/export.h"

class QWidget;

namespace lanterncrest {

// The one progress overlay of the process: a spinner in the middle of a window. It lets clicks
// through. Closing the window it sits on takes it down too. Main thread only.
//
// Screens that wait for an answer use showLoading()/dismissLoading() with their own view: the
// overlay sits in that view's window, following the view into the host's window when the view
// is loaded before it is put there, and it stays while any shown screen still waits. A view
// that is taken out of its window (a screen popped or let go by its navigation controller) or
// destroyed waits no more: the overlay does not stay over the screens that follow, and a late
// answer for a screen the user has left changes nothing about it.
//
// show() and dismiss() act on the overlay as a whole. show() puts it over the active window (or
// the first visible window; on its own small window when none is shown) and is idempotent;
// dismiss() takes it down and forgets every wait.
class LANTERNCREST_EXPORT ProgressHUD
{
public:
    static void show();
    static void dismiss();
    static bool isVisible();

    // One wait of the screen whose view is `screenView` begins or ends; the last one to end
    // takes the overlay down. An end without a matching begin, or after the view left its
    // window, does nothing.
    static void showLoading(QWidget *screenView);
    static void dismissLoading(QWidget *screenView);
};

} // namespace lanterncrest
