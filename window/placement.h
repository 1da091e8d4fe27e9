// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QTimer>

#include <functional>

class QWidget;

// Gives the program's window its size and place on every desktop: a layout of layoutSize,
// centred on the screen when first shown. Where the platform keeps a fixed size the window
// keeps it, maximised or not; where the platform sets the size itself (native Wayland), the
// window grows as it is told and its layout stays whole, centred in the larger window.
void placeWindow(QWidget* window, QSize layoutSize);

// Gives the window a layout of another size: its fixed size where the platform keeps one,
// else its least size, with the layout centred in the window as before.
void resizeLayout(QWidget* window, QSize layoutSize);

// Centres a box over the window it belongs to when the box is first shown.
void placeBox(QWidget* box, QWidget* over);

// Centres a top-level window when it is first shown: its frame once the window manager has
// told how large the frame is, its client area before that and where there is no window
// manager. An X11 window manager may tell the frame's size late; the window follows it for the
// first second, or until the first move that the program did not make. From then on the
// window stands where the learner puts it: no restore, re-show or later change of the frame
// moves it, and the centring is gone.
class Centring : public QObject
{
    Q_OBJECT
public:
    Centring(QWidget* window, std::function<QRect()> area);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMargins frameMargins() const;
    void centre();
    void follow();
    void settle();

    QWidget* window_;
    std::function<QRect()> area_;
    QMargins frame_;
    QPoint placed_;
    bool shown_ = false;
    QTimer frameWatch_;
    int watchTicks_ = 0;
};

// Where the platform keeps a window at the size it asks for, a request to maximise it or fill
// the screen (from a title bar, a shortcut of the desktop or code) is undone, so the window
// stays as it is.
class FixedSizeGuard : public QObject
{
    Q_OBJECT
public:
    explicit FixedSizeGuard(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
};

// Keeps a layout of layoutSize centred in a window that has grown larger than it.
class LayoutCentring : public QObject
{
    Q_OBJECT
public:
    LayoutCentring(QWidget* window, QSize layoutSize);

    // For controls just placed anew from the window's top-left corner; centre() then centres
    // them in the window as it is.
    void setLayoutSize(QSize layoutSize);
    void centre();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QSize layoutSize_;
    QPoint offset_;
};
