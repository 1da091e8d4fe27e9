// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/touch.h"

#include "window/frmbukv.h"

#include <QApplication>
#include <QTouchEvent>

TouchOnLetters::TouchOnLetters(frmBukv* window) : QObject(window), window_(window)
{
    for (Image* letter : window_->imgBukv) {
        letter->setAttribute(Qt::WA_AcceptTouchEvents);
        letter->installEventFilter(this);
    }
}

int TouchOnLetters::letterAt(QPoint inWindow) const
{
    for (const Image* letter : window_->imgBukv)
        if (letter->geometry().contains(inWindow))
            return letter->index();
    return -1;
}

void TouchOnLetters::moveTo(QPoint inWindow)
{
    if ((inWindow - start_).manhattanLength() >= QApplication::startDragDistance())
        dragged_ = true;
    const int under = letterAt(inWindow);
    if (under == over_)
        return;
    over_ = under;
    if (under < 0)
        return;
    dragged_ = dragged_ || under != touched_;
    Image* letter = window_->imgBukv[std::size_t(under)];
    if (canAct(letter))
        emit letter->MouseMove(under);
}

bool TouchOnLetters::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type != QEvent::TouchBegin && type != QEvent::TouchUpdate && type != QEvent::TouchEnd &&
        type != QEvent::TouchCancel)
        return false;
    auto* touch = static_cast<QTouchEvent*>(event);
    auto* letter = static_cast<Image*>(watched);
    if (type == QEvent::TouchCancel) {
        finger_ = -1;
        return true;
    }
    const auto& points = touch->points();
    if (type == QEvent::TouchBegin) {
        if (points.isEmpty())
            return true;
        finger_ = points.first().id();
        touched_ = letter->index();
        over_ = -1;
        dragged_ = false;
        start_ = letter->mapTo(window_, points.first().position().toPoint());
        moveTo(start_);
        return true;
    }
    const auto followed =
        std::find_if(points.begin(), points.end(),
                     [this](const QEventPoint& point) { return point.id() == finger_; });
    if (finger_ < 0 || followed == points.end())
        return true;
    moveTo(letter->mapTo(window_, followed->position().toPoint()));
    if (type == QEvent::TouchEnd || followed->state() == QEventPoint::Released) {
        finger_ = -1;
        if (!dragged_ && over_ >= 0 && over_ == touched_) {
            Image* touchedLetter = window_->imgBukv[std::size_t(touched_)];
            if (canAct(touchedLetter))
                emit touchedLetter->Click(touched_);
        }
    }
    return true;
}
