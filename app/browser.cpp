// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/edition.h"
#include "window/arrangement.h"
#include "window/frmbukv.h"

#include <QApplication>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QListWidget>
#include <QScopedValueRollback>
#include <QScreen>
#include <QTimer>
// The scale of a screen, which the page's size sets here, and the screen's own size in CSS
// pixels: Qt's private API, of the Qt this edition is built with.
#include <QtGui/private/qhighdpiscaling_p.h>
#include <qpa/qplatformscreen.h>
#include <qpa/qplatformwindow.h>

#include <emscripten/val.h>

#include <string>
#include <utility>

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

// Fits the window to the page's canvas, whose size the page sets: the arrangement that suits
// the canvas's shape, drawn at the scale at which it fills the canvas, sharp at the device's
// density. Again whenever the canvas changes size, as when the device turns. Each time the
// page is told where the controls stand, in CSS pixels from the canvas's corner, by
// window.znakovitLayout and the event "znakovit-arranged".
class PageFitting : public QObject
{
public:
    explicit PageFitting(frmBukv* window) : QObject(window), window_(window)
    {
        connect(window_->screen(), &QScreen::geometryChanged, this, &PageFitting::fit);
        window_->installEventFilter(this);
        fit();
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Resize || event->type() == QEvent::Move)
            tellThePageSoon();
        return false;
    }

private:
    void fit()
    {
        if (fitting_)
            return;
        const QScopedValueRollback busy(fitting_, true);
        QScreen* screen = window_->screen();
        const QPlatformScreen* canvas = screen->handle();
        const PageFit fit = fitToPage(canvas->geometry().size());
        // Set even when it stays: the canvas's new size may have reached the screen at the
        // scale before, and this works the screen's size out again at the scale now.
        scale_ = fit.scale;
        QHighDpiScaling::setScreenFactor(screen, scale_);
        window_->arrange(fit.arrangement);
        // The window fills the canvas at the new scale; set in CSS pixels, which keeps it full
        // screen (a widget's own setGeometry() would end that).
        if (QWindow* handle = window_->windowHandle();
            handle && handle->handle() && window_->isFullScreen())
            handle->handle()->setGeometry(canvas->geometry());
        window_->update();
        tellThePageSoon();
    }

    void tellThePageSoon()
    {
        if (!std::exchange(telling_, true))
            QTimer::singleShot(0, this, &PageFitting::tellThePage);
    }

    void tellThePage()
    {
        telling_ = false;
        using emscripten::val;
        const QPoint origin =
            window_->geometry().topLeft() - window_->screen()->geometry().topLeft();
        val controls = val::object();
        for (const QWidget* control : window_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (control == window_->lstMix || control == window_->lstMix2 ||
                control->objectName().isEmpty())
                continue;
            const QRectF rect(QRectF(control->geometry()).translated(origin));
            val place = val::array();
            for (qreal value : {rect.x(), rect.y(), rect.width(), rect.height()})
                place.call<void>("push", value * scale_);
            controls.set(control->objectName().toStdString(), place);
        }
        val layout = val::object();
        const bool portrait = window_->arrangement() == Arrangement::Portrait;
        layout.set("arrangement", portrait ? "portrait" : "landscape");
        layout.set("scale", scale_);
        layout.set("controls", controls);
        val page = val::global("window");
        page.set("znakovitLayout", layout);
        page.call<bool>("dispatchEvent", val::global("Event").new_(val("znakovit-arranged")));
    }

    frmBukv* window_;
    qreal scale_ = 1.0;
    bool fitting_ = false;
    bool telling_ = false;
};

} // namespace

bool prepareEdition()
{
    // The moment the program starts, for the web benchmark's account of the start.
    emscripten::val::global("performance").call<void>("mark", std::string("znakovit-main"));
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

// The page sizes the canvas and gives it its title: the window fills the canvas, without a
// title bar of Qt's drawing.
void showWindow(frmBukv& window)
{
    window.installEventFilter(new FirstPaint(&window));
    new PageFitting(&window);
    window.showFullScreen();
}
