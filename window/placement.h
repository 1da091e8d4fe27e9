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

// Where a top-level window stands and how large it is, on every desktop.
// - Centred on an area (the screen's available area, or the window it belongs to): its frame
//   once the window manager has told how large the frame is, its client area before that
//   and where there is no window manager.
// - Where the platform keeps a fixed size, a request to maximise or fill the screen (from a
//   title bar, a shortcut of the desktop or code) is undone, so the window stays as it is.
// - Where the platform sets the size itself (native Wayland), the window grows as it is told
//   and its layout stays whole, centred in the larger window.
class Placement : public QObject
{
    Q_OBJECT
public:
    // For the program's window: a layout of layoutSize, centred on the screen.
    Placement(QWidget* window, QSize layoutSize);
    // For a box that belongs to another window: centred over that window.
    Placement(QWidget* box, QWidget* over);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Placement(QWidget* window, std::function<QRect()> area);
    QMargins frameMargins() const;
    void centre();
    void keepLayoutCentred();

    QWidget* window_;
    std::function<QRect()> area_;
    QSize layoutSize_;
    QMargins frame_;
    QPoint layoutOffset_;
    bool fixedSize_ = false;
    QTimer frameWatch_;
    int watchTicks_ = 0;
};
