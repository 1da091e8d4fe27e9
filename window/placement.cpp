// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/placement.h"

#include "window/desktop.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>
#include <utility>

namespace {
constexpr Qt::WindowStates Enlarged = Qt::WindowMaximized | Qt::WindowFullScreen;
} // namespace

void placeWindow(QWidget* window, QSize layoutSize)
{
    if (honoursFixedSize()) {
        window->setFixedSize(layoutSize);
        new FixedSizeGuard(window);
    } else {
        window->setMinimumSize(layoutSize);
        window->resize(layoutSize);
    }
    new LayoutCentring(window, layoutSize);
    new Centring(window, [window] {
        const QScreen* screen = window->screen();
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        return screen ? screen->availableGeometry() : QRect();
    });
}

void resizeLayout(QWidget* window, QSize layoutSize)
{
    // The centring knows of the new layout before the window's size changes, so that a resize
    // on the way already centres the new layout, not the old one.
    auto* centring = window->findChild<LayoutCentring*>(QString(), Qt::FindDirectChildrenOnly);
    if (centring)
        centring->setLayoutSize(layoutSize);
    if (honoursFixedSize())
        window->setFixedSize(layoutSize);
    else if (window->windowState() & Enlarged)
        // It fills the screen, which the page has made large enough; a least size would only
        // have the window resized, and so no longer fill the screen, while the screen changes.
        window->setMinimumSize(QSize());
    else
        window->setMinimumSize(layoutSize);
    if (centring)
        centring->centre();
}

void placeBox(QWidget* box, QWidget* over)
{
    new Centring(box, [over] { return over->frameGeometry(); });
}

Centring::Centring(QWidget* window, std::function<QRect()> area)
    : QObject(window), window_(window), area_(std::move(area))
{
    window_->installEventFilter(this);
    frameWatch_.setInterval(50);
    connect(&frameWatch_, &QTimer::timeout, this, [this] {
        if (++watchTicks_ >= 20 || !window_->isVisible())
            settle();
        else if (frameMargins() != frame_)
            centre();
    });
    // Placed before it is first shown, so that the desktop maps it where it belongs.
    centre();
}

QMargins Centring::frameMargins() const
{
    const QRect frame = window_->frameGeometry(), client = window_->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void Centring::centre()
{
    const QRect area = area_();
    if (area.isEmpty() || (window_->windowState() & Enlarged))
        return;
    frame_ = frameMargins();
    QRect frame = QRect(QPoint(), window_->size()).marginsAdded(frame_);
    frame.moveCenter(area.center());
    // On an area too small for it, the frame's top-left corner stays on the area. move()
    // places the frame of a top-level window.
    placed_ = QPoint(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
    window_->move(placed_);
}

void Centring::settle()
{
    frameWatch_.stop();
    window_->removeEventFilter(this);
    deleteLater();
}

bool Centring::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return false;
    const QEvent::Type type = event->type();
    if (type == QEvent::Show && !std::exchange(shown_, true)) {
        centre();
        // An X11 window manager may tell the frame's size only after the window's last move
        // and activation, and no event says so: look again for the first second.
        frameWatch_.start();
    } else if (shown_ && window_->isVisible() &&
               (type == QEvent::Move || type == QEvent::Resize || type == QEvent::WindowActivate)) {
        // A box that sizes itself as it opens, or a frame whose size is now known, is centred
        // again. A move to elsewhere once the frame is known is the learner's own.
        if (type == QEvent::Resize || frameMargins() != frame_)
            centre();
        else if (type == QEvent::Move && !frame_.isNull() && window_->pos() != placed_)
            settle();
    }
    return false;
}

FixedSizeGuard::FixedSizeGuard(QWidget* window) : QObject(window), window_(window)
{
    window_->installEventFilter(this);
}

bool FixedSizeGuard::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::WindowStateChange &&
        (window_->windowState() & Enlarged)) {
        // Undone once the request has run its course, not from inside it.
        QMetaObject::invokeMethod(
            this, [this] { window_->setWindowState(window_->windowState() & ~Enlarged); },
            Qt::QueuedConnection);
    }
    return false;
}

LayoutCentring::LayoutCentring(QWidget* window, QSize layoutSize)
    : QObject(window), window_(window), layoutSize_(layoutSize)
{
    window_->installEventFilter(this);
}

void LayoutCentring::setLayoutSize(QSize layoutSize)
{
    layoutSize_ = layoutSize;
    offset_ = QPoint();
}

bool LayoutCentring::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == window_ && event->type() == QEvent::Resize)
        centre();
    return false;
}

void LayoutCentring::centre()
{
    const QSize room = window_->size() - layoutSize_;
    const QPoint offset(std::max(0, room.width() / 2), std::max(0, room.height() / 2));
    const QPoint by = offset - offset_;
    if (by.isNull())
        return;
    offset_ = offset;
    for (QObject* child : window_->children())
        if (auto* control = qobject_cast<QWidget*>(child); control && !control->isWindow())
            control->move(control->pos() + by);
}
