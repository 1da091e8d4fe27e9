// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QString>

namespace gen {

// The PNG bytes of an image: no text chunks, no colour profile, nothing that changes
// between runs. RGB, or RGBA with withAlpha (as Windows wants the images of an icon file);
// an RGB image of no more than 256 colours is stored with a palette of exactly those.
QByteArray pngBytes(const QImage& image, bool withAlpha = false);

// A Windows icon file holding the given square PNG images, each entry PNG-compressed.
QByteArray icoBytes(const QList<QByteArray>& pngs, const QList<int>& sides);

bool writeFile(const QString& path, const QByteArray& bytes);

} // namespace gen
