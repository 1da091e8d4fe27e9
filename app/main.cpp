// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/application.h"
#include "window/desktop.h"
#include "window/frmbukv.h"

#include <QApplication>
#ifdef Q_OS_WASM
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <emscripten/val.h>
#endif

#include <cstdio>
#include <cstdlib>

namespace {

// Without a display Qt aborts with a long message; say plainly what to do instead.
bool displayMissing()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_WASM)
    const auto unset = [](const char* name) {
        const char* value = std::getenv(name);
        return value == nullptr || *value == '\0';
    };
    return unset("DISPLAY") && unset("WAYLAND_DISPLAY") && unset("QT_QPA_PLATFORM");
#else
    return false;
#endif
}

#ifdef Q_OS_WASM
// A browser lends the page none of its fonts: the twins of Arial and Times New Roman come
// compiled in, and stand for every face the window or Qt asks for.
void addBrowserFonts()
{
    const QString sans = QStringLiteral("Liberation Sans");
    const QString serif = QStringLiteral("Liberation Serif");
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSerif-Regular.ttf"));
    QFont::insertSubstitution(QStringLiteral("Arial"), sans);
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), serif);
    QFont::insertSubstitution(QApplication::font().family(), sans);
}

// Tells the page, by the event "znakovit-painted", once the window has first been drawn:
// the page then takes its loading note away, and the benchmark reads the moment.
class FirstPaint : public QObject
{
public:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            using emscripten::val;
            val::global("window").call<bool>("dispatchEvent",
                                             val::global("Event").new_(val("znakovit-painted")));
        }
        return false;
    }
};
#endif

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
#ifdef Q_OS_WASM
    addBrowserFonts();
#endif
    nameApplication();
    frmBukv window;
#ifdef Q_OS_WASM
    FirstPaint firstPaint;
    window.installEventFilter(&firstPaint);
    // The page's canvas has the window's own size and the page its title: the window fills
    // the canvas, without a title bar of Qt's drawing.
    window.showFullScreen();
#else
    window.show();
#endif
    return app.exec();
}
