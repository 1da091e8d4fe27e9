// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/placement.h"

#include "window/desktop.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <algorithm>

Placement::Placement(QWidget* window, std::function<QRect()> area)
    : QObject(window), window_(window), area_(std::move(area))
{
    window_->installEventFilter(this);
    frameWatch_.setInterval(50);
    connect(&frameWatch_, &QTimer::timeout, this, [this] {
        if (++watchTicks_ >= 20 || !window_->isVisible())
            frameWatch_.stop();
        else if (frameMargins() != frame_)
            centre();
    });
}

Placement::Placement(QWidget* window, QSize layoutSize)
    : Placement(window, [window] {
          const QScreen* screen = window->screen();
          if (!screen)
              screen = QGuiApplication::primaryScreen();
          return screen ? screen->availableGeometry() : QRect();
      })
{
    layoutSize_ = layoutSize;
    fixedSize_ = honoursFixedSize();
    if (fixedSize_)
        window_->setFixedSize(layoutSize);
    else {
        window_->setMinimumSize(layoutSize);
        window_->resize(layoutSize);
    }
    centre();
}

Placement::Placement(QWidget* box, QWidget* over)
    : Placement(box, [over] { return over->frameGeometry(); })
{}

QMargins Placement::frameMargins() const
{
    const QRect frame = window_->frameGeometry(), client = window_->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

void Placement::centre()
{
    const QRect area = area_();
    if (area.isEmpty() || (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen)))
        return;
    frame_ = frameMargins();
    QRect frame = QRect(QPoint(), window_->size()).marginsAdded(frame_);
    frame.moveCenter(area.center());
    // On an area too small for it, the frame's top-left corner stays on the area. move()
    // places the frame of a top-level window.
    window_->move(std::max(frame.left(), area.left()), std::max(frame.top(), area.top()));
}

void Placement::keepLayoutCentred()
{
    if (!layoutSize_.isValid())
        return;
    const QSize room = window_->size() - layoutSize_;
    const QPoint offset(std::max(0, room.width() / 2), std::max(0, room.height() / 2));
    const QPoint by = offset - layoutOffset_;
    if (by.isNull())
        return;
    layoutOffset_ = offset;
    for (QObject* child : window_->children())
        if (auto* control = qobject_cast<QWidget*>(child); control && !control->isWindow())
            control->move(control->pos() + by);
}

bool Placement::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_)
        return false;
    switch (event->type()) {
    case QEvent::Show:
        centre();
        // An X11 window manager may tell the frame's size only after the window's last move
        // and activation, and no event says so: look again for the first second.
        frameWatch_.start();
        watchTicks_ = 0;
        break;
    case QEvent::Move:
    case QEvent::WindowActivate:
        // The window manager has framed the window: centre the frame now that its size is known.
        if (window_->isVisible() && frameMargins() != frame_)
            centre();
        break;
    case QEvent::Resize:
        // A box that sizes itself as it opens stays centred.
        if (layoutSize_.isValid())
            keepLayoutCentred();
        else if (window_->isVisible())
            centre();
        break;
    case QEvent::WindowStateChange:
        if (fixedSize_ && (window_->windowState() & (Qt::WindowMaximized | Qt::WindowFullScreen))) {
            // Undone once the request has run its course, not from inside it.
            QMetaObject::invokeMethod(
                this,
                [this] {
                    window_->setWindowState(window_->windowState() &
                                            ~(Qt::WindowMaximized | Qt::WindowFullScreen));
                },
                Qt::QueuedConnection);
        }
        break;
    default:
        break;
    }
    return false;
}
