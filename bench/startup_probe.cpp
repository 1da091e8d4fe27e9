// SPDX-License-Identifier: GPL-3.0-or-later
// Starts as the program does and ends as soon as the window has been painted once.
//   znakovit_startup_probe window   the program's start path (app/main.cpp)
//   znakovit_startup_probe bare     an empty window of the same size, for comparison
#include "window/application.h"
#include "window/desktop.h"
#include "window/frmbukv.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include <cstdio>
#include <cstring>

namespace {

// Quits once the watched window has received its first paint; the rest of that repaint
// (the children, the flush to the screen) completes before the queued quit runs.
class FirstPaint : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool seen_ = false;
};

int usage()
{
    std::fputs("usage: znakovit_startup_probe window|bare\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char* argv[])
{
    if (argc != 2)
        return usage();
    const bool bare = std::strcmp(argv[1], "bare") == 0;
    if (!bare && std::strcmp(argv[1], "window") != 0)
        return usage();

    preferX11OnWayland();
    QApplication app(argc, argv);
    FirstPaint firstPaint;
    if (bare) {
        QWidget window;
        window.setFixedSize(1190, 552);
        window.installEventFilter(&firstPaint);
        window.show();
        return app.exec();
    }
    nameApplication();
    frmBukv window;
    window.installEventFilter(&firstPaint);
    window.show();
    return app.exec();
}
