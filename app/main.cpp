// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/edition.h"
#include "window/application.h"
#include "window/frmbukv.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    if (!prepareEdition())
        return 1;
    QApplication app(argc, argv);
    prepareWindow();
    nameApplication();
    frmBukv window;
    showWindow(window);
    return app.exec();
}
