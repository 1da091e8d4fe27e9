// SPDX-License-Identifier: GPL-3.0-or-later
// The yardstick of the start-up benchmark: an empty Qt Widgets window of the program's
// size, an executable of its own that links Qt Widgets alone.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(1190, 552);
    window.show();
    return app.exec();
}
