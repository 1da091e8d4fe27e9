// SPDX-License-Identifier: GPL-3.0-or-later
#include "output.h"

#include <QBuffer>
#include <QColorSpace>
#include <QFile>
#include <QImageWriter>
#include <QtEndian>

#include <set>

namespace gen {

namespace {

// The image with a palette of exactly its own colours when it has no more than 256 of them;
// a null image otherwise. Nothing is lost: every pixel keeps its colour, while the file
// stores a byte a pixel instead of three, and it shrinks by about a third.
QImage exactPalette(const QImage& rgb)
{
    constexpr qsizetype Most = 256;
    std::set<QRgb> colours;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x) {
            colours.insert(line[x]);
            if (qsizetype(colours.size()) > Most)
                return {};
        }
    }
    // Qt gives each pixel the nearest colour of the table: its own.
    return rgb.convertToFormat(QImage::Format_Indexed8,
                               QList<QRgb>(colours.begin(), colours.end()));
}

} // namespace

QByteArray pngBytes(const QImage& image, bool withAlpha)
{
    QImage plain = image.convertToFormat(withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    if (!withAlpha) {
        if (QImage indexed = exactPalette(plain); !indexed.isNull())
            plain = indexed;
    }
    for (const QString& key : plain.textKeys())
        plain.setText(key, QString());
    plain.setColorSpace(QColorSpace());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(0); // smallest file: zlib's strongest level
    if (!writer.write(plain))
        return {};
    return bytes;
}

QByteArray icoBytes(const QList<QByteArray>& pngs, const QList<int>& sides)
{
    Q_ASSERT(pngs.size() == sides.size());
    QByteArray out;
    auto put16 = [&out](quint16 v) {
        const quint16 le = qToLittleEndian(v);
        out.append(reinterpret_cast<const char*>(&le), 2);
    };
    auto put32 = [&out](quint32 v) {
        const quint32 le = qToLittleEndian(v);
        out.append(reinterpret_cast<const char*>(&le), 4);
    };
    // ICONDIR, then one ICONDIRENTRY per image, then the images.
    put16(0);
    put16(1);
    put16(quint16(pngs.size()));
    quint32 offset = 6 + 16 * quint32(pngs.size());
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        const quint8 side = sides[i] >= 256 ? 0 : quint8(sides[i]); // 0 means 256
        out.append(char(side));
        out.append(char(side));
        out.append(char(0)); // no palette
        out.append(char(0));
        put16(1);  // colour planes
        put16(32); // bits per pixel
        put32(quint32(pngs[i].size()));
        put32(offset);
        offset += quint32(pngs[i].size());
    }
    for (const QByteArray& png : pngs)
        out.append(png);
    return out;
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return !bytes.isEmpty() && file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(bytes) == bytes.size();
}

} // namespace gen
