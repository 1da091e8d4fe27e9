// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QPixmap>
#include <QRect>

// Colours are 0x00BBGGRR numbers; ButtonFace stands for the button colour of a light palette
// (lightPalette()), whatever the desktop's colours.
inline constexpr quint32 ButtonFace = 0x8000000F;
QColor toQColor(quint32 bgr);

// Whether an input that Qt gives a path of its own (an assistive action, a touch) may act on
// the control now. As for the mouse and the keys: only on a control that is on show and
// enabled, in a window that no modal box blocks.
bool canAct(const QWidget* control);

// Border styles of a picture: a framed letter shows a thin border.
inline constexpr int Unframed = 0;
inline constexpr int Framed = 1;

// Positions and sizes are kept in twips, 15 to a pixel.
inline constexpr int TwipsPerPixel = 15;
constexpr int toPixels(int twips)
{
    return twips / TwipsPerPixel;
}
constexpr QRect toPixels(int left, int top, int width, int height)
{
    return {toPixels(left), toPixels(top), toPixels(width), toPixels(height)};
}

// The program's pictures are PNG files, read by Qt's own PNG reader with the format named:
// a reader left to guess the format asks every image-format plugin, and so loads them all.
QPixmap readPng(const QString& path);
QSize pngSize(const QString& path);

// A picture. Its pixmap is decoded the first time the picture is shown, so that the
// pictures nobody has seen yet cost nothing at start. A framed picture (border style 1)
// shows a thin line on its outermost pixels, so the picture neither moves nor shrinks.
class Image : public QLabel
{
    Q_OBJECT
public:
    Image(int index, QWidget* parent);

    void setPicture(const QString& path);
    QString picture() const { return path_; }
    QSize pictureSize() const;
    // Draws the picture at this share of its own size (1: its own size), sharp on the screen's
    // pixels; drawn again for a screen of another density.
    void setPictureScale(qreal scale);
    qreal pictureScale() const { return scale_; }

    void setBorderStyle(int style);
    int borderStyle() const { return borderStyle_; }
    int index() const { return index_; }

signals:
    void Click(int index);
    void MouseMove(int index);

protected:
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    void loadPicture();

    int index_;
    int borderStyle_ = 0;
    bool pressed_ = false;
    bool loaded_ = false;
    qreal scale_ = 1.0;
    qreal loadedRatio_ = 0.0;
    QString path_;
};

// A text label: opaque in the window's colour, text at the top left, broken at word
// boundaries and cut off at the bottom edge; it never grows.
class Label : public QLabel
{
    Q_OBJECT
public:
    explicit Label(QWidget* parent);

    void setForeColor(quint32 bgr);
    quint32 foreColor() const { return foreColor_; }

private:
    quint32 foreColor_ = 0;
};

// The pale frame around the letter grid. It draws its line only and lets the pointer
// through to the letters beneath it.
class Shape : public QFrame
{
    Q_OBJECT
public:
    Shape(quint32 borderColor, int borderWidth, QWidget* parent);

    quint32 borderColor() const { return borderColor_; }
    int borderWidth() const { return borderWidth_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 borderColor_;
    int borderWidth_;
};
