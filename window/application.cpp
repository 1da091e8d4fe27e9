// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/application.h"

#include "window/frmbukv.h"

#include <QApplication>

void nameApplication()
{
    QApplication::setApplicationName(QStringLiteral("Знаковит"));
    QApplication::setApplicationDisplayName(frmBukv::Caption);
}
