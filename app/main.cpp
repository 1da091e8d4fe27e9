// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/application.h"
#include "window/desktop.h"
#include "window/frmbukv.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a long message; say plainly what to do instead.
bool displayMissing()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr || *value == '\0';
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

} // namespace

int main(int argc, char* argv[])
{
    if (displayMissing()) {
        std::fputs("Знаковит needs a graphical display; without one, start it under a virtual "
                   "one: xvfb-run -a znakovit\n",
                   stderr);
        return 1;
    }
    preferX11OnWayland();
    QApplication app(argc, argv);
    nameApplication();
    frmBukv window;
    window.show();
    return app.exec();
}
