// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/edition.h"

#include "window/desktop.h"
#include "window/frmbukv.h"

#include <cstdio>
#include <cstdlib>

bool prepareEdition()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Without a display Qt aborts with a long message; say plainly what to do instead.
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr || *value == '\0';
    };
    if (unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM")) {
        std::fputs("Знаковит needs a graphical display; without one, start it under a virtual "
                   "one: xvfb-run -a znakovit\n",
                   stderr);
        return false;
    }
#endif
    preferX11OnWayland();
    return true;
}

void prepareWindow() {}

void showWindow(frmBukv& window)
{
    window.show();
}
