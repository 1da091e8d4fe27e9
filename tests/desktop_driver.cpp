// SPDX-License-Identifier: GPL-3.0-or-later
// Starts the program's window as the program does and puts it through what a desktop can
// ask of it, for the checks of .ci/desktops on real desktops:
//   desktop_driver wayland   maximise, fill the screen, a click on a letter after each, back to
//                            normal, close; the layout must stay whole, centred in the window
//   desktop_driver x11       the same requests, which must leave the window 1190 × 552; then a
//                            self-test answered wrongly, whose message box stays open until it
//                            is closed from outside; then close
// Exit status 0 when every check held; what it saw goes to standard output.
#include "window/application.h"
#include "window/frmbukv.h"

#include <QApplication>
#include <QTest>

#include <cstdio>
#include <cstring>

namespace {

constexpr QSize LayoutSize(1190, 552);
int failures = 0;

void say(const QString& text)
{
    std::printf("%s\n", qPrintable(text));
    std::fflush(stdout);
}

void expect(bool holds, const QString& what)
{
    say((holds ? QStringLiteral("ok: ") : QStringLiteral("FAILED: ")) + what);
    if (!holds)
        ++failures;
}

QString describe(const QWidget& w)
{
    return QStringLiteral("%1×%2, state %3")
        .arg(w.width())
        .arg(w.height())
        .arg(int(w.windowState()));
}

// The layout is whole and centred in the window: letter 0 stands where the window's size
// puts it, and every shown control lies inside the window.
bool layoutWhole(const frmBukv& w, QPoint home)
{
    const QPoint offset(std::max(0, (w.width() - LayoutSize.width()) / 2),
                        std::max(0, (w.height() - LayoutSize.height()) / 2));
    if (w.imgBukv[0]->pos() != home + offset)
        return false;
    for (const QWidget* control : w.findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (!control->isWindow() && control->isVisible() && !w.rect().contains(control->geometry()))
            return false;
    return true;
}

} // namespace

int main(int argc, char* argv[])
{
    const bool wayland = argc == 2 && std::strcmp(argv[1], "wayland") == 0;
    const bool x11 = argc == 2 && std::strcmp(argv[1], "x11") == 0;
    if (!wayland && !x11) {
        std::fputs("usage: desktop_driver wayland|x11\n", stderr);
        return 2;
    }
    QApplication app(argc, argv);
    nameApplication();
    frmBukv w;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w)) {
        say(QStringLiteral("FAILED: the window was never shown"));
        return 1;
    }
    say(QStringLiteral("platform %1, shown %2").arg(QApplication::platformName(), describe(w)));
    const QPoint home = w.imgBukv[0]->pos();

    int letter = 3;
    for (Qt::WindowState state : {Qt::WindowMaximized, Qt::WindowFullScreen}) {
        const QString name = state == Qt::WindowMaximized ? QStringLiteral("maximise")
                                                          : QStringLiteral("full screen");
        w.setWindowState(state);
        // A compositor that grants the request resizes the window; give it the time to.
        const bool resized = QTest::qWaitFor([&] { return w.size() != LayoutSize; }, 1500);
        QTest::qWait(300);
        say(name + (resized ? QStringLiteral(", granted: ") : QStringLiteral(", not granted: ")) +
            describe(w));
        if (x11)
            expect(w.size() == LayoutSize, name + QStringLiteral(" leaves 1190×552"));
        expect(layoutWhole(w, home), name + QStringLiteral(": the layout whole and centred"));
        QTest::mouseClick(w.imgBukv[std::size_t(letter)], Qt::LeftButton);
        QTest::qWait(300);
        expect(w.imgBukv[std::size_t(letter)]->borderStyle() == Framed,
               name + QStringLiteral(": a click frames the letter"));
        ++letter;
        w.setWindowState(Qt::WindowNoState);
        const bool restored = QTest::qWaitFor([&] { return w.size() == LayoutSize; }, 1500);
        QTest::qWait(300);
        say(QStringLiteral("back to normal") +
            (restored ? QStringLiteral(": ") : QStringLiteral(", not restored: ")) + describe(w));
    }

    if (x11) {
        // The box of a wrong answer, which the caller measures and closes.
        w.cmdCheck_Click();
        say(QStringLiteral("message box"));
        w.imgBukv_Click(w.Rand == 1 ? 2 : 1);
        say(QStringLiteral("message box closed"));
    }
    w.close();
    QTest::qWait(100);
    return failures == 0 ? 0 : 1;
}
