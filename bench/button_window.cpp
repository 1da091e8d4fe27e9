// SPDX-License-Identifier: GPL-3.0-or-later
// A reference for the start-up benchmark: the bare window with one push button of the
// program's caption and face, the least that a window showing text costs (fontconfig,
// Qt's font database, FreeType and HarfBuzz). Links Qt Widgets alone.
#include <QApplication>
#include <QPushButton>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(1190, 552);
    auto* button = new QPushButton(QStringLiteral("&Провериться"), &window);
    button->setGeometry(728, 472, 201, 65);
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(15.75);
    button->setFont(font);
    window.show();
    return app.exec();
}
