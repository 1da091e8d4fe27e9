// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/edition.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QWidget>

#include <emscripten/val.h>

namespace {

// Tells the page, by the event "znakovit-painted", once the window has first been drawn:
// the page then takes its loading note away, and the benchmark reads the moment.
class FirstPaint : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            using emscripten::val;
            val::global("window").call<bool>("dispatchEvent",
                                             val::global("Event").new_(val("znakovit-painted")));
            deleteLater();
        }
        return false;
    }
};

} // namespace

bool prepareEdition()
{
    return true;
}

// A browser lends the page none of its fonts: the twins of Arial and Times New Roman come
// compiled in, and stand for every face the window or Qt asks for.
void prepareWindow()
{
    const QString sans = QStringLiteral("Liberation Sans");
    const QString serif = QStringLiteral("Liberation Serif");
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/LiberationSerif-Regular.ttf"));
    QFont::insertSubstitution(QStringLiteral("Arial"), sans);
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), serif);
    QFont::insertSubstitution(QApplication::font().family(), sans);
}

// The page's canvas has the window's own size and the page its title: the window fills the
// canvas, without a title bar of Qt's drawing.
void showWindow(QWidget& window)
{
    window.installEventFilter(new FirstPaint(&window));
    window.showFullScreen();
}
