// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/controls.h"

#include "window/accessibility.h"
#include "window/desktop.h"

#include <QApplication>
#include <QImageReader>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QPixmapCache>

#include <algorithm>
#include <cmath>

QColor toQColor(quint32 bgr)
{
    if (bgr == ButtonFace)
        return lightPalette().color(QPalette::Button);
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

bool canAct(const QWidget* control)
{
    const QWidget* modal = QApplication::activeModalWidget();
    return control->isVisible() && control->isEnabled() && (!modal || modal == control->window());
}

namespace {

void readAsPng(QImageReader& reader)
{
    reader.setFormat("png");
    reader.setAutoDetectImageFormat(false);
}

} // namespace

// Kept in the pixmap cache under its path, as QPixmap(path) keeps it, so that a window built
// again shows a picture decoded before at once.
QPixmap readPng(const QString& path)
{
    QPixmap pixmap;
    if (QPixmapCache::find(path, &pixmap))
        return pixmap;
    QImageReader reader(path);
    readAsPng(reader);
    pixmap = QPixmap::fromImage(reader.read());
    if (!pixmap.isNull())
        QPixmapCache::insert(path, pixmap);
    return pixmap;
}

QSize pngSize(const QString& path)
{
    QImageReader reader(path);
    readAsPng(reader);
    return reader.size();
}

Image::Image(int index, QWidget* parent) : QLabel(parent), index_(index)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void Image::setPicture(const QString& path)
{
    path_ = path;
    loaded_ = false;
    if (isVisible())
        loadPicture();
}

QSize Image::pictureSize() const
{
    return pngSize(path_);
}

void Image::setPictureScale(qreal scale)
{
    if (scale == scale_ && (!loaded_ || devicePixelRatioF() == loadedRatio_))
        return;
    scale_ = scale;
    loaded_ = false;
    if (isVisible())
        loadPicture();
}

namespace {

QString twinOf(const QString& path)
{
    QString twin = path;
    twin.insert(twin.lastIndexOf(QLatin1Char('.')), QLatin1String("@2x"));
    return twin;
}

} // namespace

void Image::loadPicture()
{
    if (loaded_ || path_.isEmpty())
        return;
    loaded_ = true;
    const qreal ratio = devicePixelRatioF();
    loadedRatio_ = ratio;
    if (scale_ != 1.0) {
        // Drawn smaller than its own size: the twin, smoothed down to the very device pixels
        // it covers, so that nothing is scaled again as it is drawn.
        QPixmap source = readPng(twinOf(path_));
        if (source.isNull())
            source = readPng(path_);
        const QSize shown = (QSizeF(pictureSize()) * scale_).toSize();
        QPixmap sharp = source.scaled((QSizeF(shown) * ratio).toSize(), Qt::IgnoreAspectRatio,
                                      Qt::SmoothTransformation);
        sharp.setDevicePixelRatio(ratio);
        setPixmap(sharp);
        return;
    }
    // On a denser screen the twin drawn at twice the size keeps the picture sharp.
    if (ratio > 1.0) {
        QPixmap sharp = readPng(twinOf(path_));
        if (!sharp.isNull()) {
            sharp.setDevicePixelRatio(2.0);
            setPixmap(sharp);
            return;
        }
    }
    setPixmap(readPng(path_));
}

void Image::setBorderStyle(int style)
{
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    update();
    announceSelectionChange(this);
}

void Image::showEvent(QShowEvent* event)
{
    loadPicture();
    QLabel::showEvent(event);
}

void Image::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (borderStyle_ == 0)
        return;
    // Whole device pixels, about one logical pixel thick, on the outermost ring of the
    // picture's device pixels at any scale: the painter rounds each edge to a pixel boundary.
    const qreal ratio = devicePixelRatioF();
    const qreal line = std::max(1.0, std::round(ratio)) / ratio;
    const qreal w = width(), h = height();
    QPainter painter(this);
    for (const QRectF& side : {QRectF(0, 0, w, line), QRectF(0, h - line, w, line),
                               QRectF(0, 0, line, h), QRectF(w - line, 0, line, h)})
        painter.fillRect(side, Qt::black);
}

void Image::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        pressed_ = true;
    QLabel::mousePressEvent(event);
}

void Image::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit Click(index_);
}

void Image::mouseMoveEvent(QMouseEvent* event)
{
    QLabel::mouseMoveEvent(event);
    emit MouseMove(index_);
}

Label::Label(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setWordWrap(true);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::NoFocus);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(ButtonFace));
    setPalette(colours);
}

void Label::setForeColor(quint32 bgr)
{
    foreColor_ = bgr;
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, toQColor(bgr));
    setPalette(colours);
}

Shape::Shape(quint32 borderColor, int borderWidth, QWidget* parent)
    : QFrame(parent), borderColor_(borderColor), borderWidth_(borderWidth)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void Shape::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const qreal half = borderWidth_ / 2.0;
    painter.setPen(
        QPen(toQColor(borderColor_), borderWidth_, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
}
