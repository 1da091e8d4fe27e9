// SPDX-License-Identifier: GPL-3.0-or-later
#include "letterforms.h"

#include "content/letters.h"

#include <QPainterPathStroker>
#include <QTransform>

namespace gen {

namespace {

constexpr char32_t NarrowE = U'\u0454';     // є with the tail, stood up to capital height
constexpr char32_t LensO = U'\u043E';       // о with pointed ends, stood up to capital height
constexpr char32_t MonographUk = U'\uA64B'; // ꙋ, the 8-shaped uk, as tall as a capital
constexpr char32_t ClosedYus = U'\uA658';   // Ꙙ, the closed small yus
constexpr char32_t LigatureAE = U'\u00C6';  // the face's А and Є joined

// The face's outline of text; empty where the face lacks a character of it, so that a
// missing glyph is never drawn as the face's empty box.
Run oldStyle(const QString& text)
{
    return covers(Face::Old, text) ? textRun(Face::Old, text) : Run{};
}

Run glyph(char32_t c)
{
    return oldStyle(QString::fromUcs4(&c, 1));
}

// A lower-case glyph stood up to the height of a capital: scaled about its left edge on the
// baseline so that its top meets the capital's top.
Run stoodUp(char32_t lower, char32_t capital)
{
    Run run = glyph(lower);
    const QRectF low = run.path.boundingRect();
    const QRectF cap = glyph(capital).path.boundingRect();
    const qreal k = cap.top() / low.top();
    QTransform t;
    t.translate(low.left(), 0);
    t.scale(k, k);
    t.translate(-low.left(), 0);
    run.path = t.map(run.path);
    run.advance *= k;
    return run;
}

// The old Ч, shaped like a Y: the face's Ч with its arm leaning out, so that arm and stem
// open upwards from the bowl like the arms of a Y. The part left of the stem is sheared
// about the height where the bowl meets the stem, which stays where it was.
Run leaningChe()
{
    const Run che = glyph(U'Ч');
    const QRectF box = che.path.boundingRect();
    // Measured on the face's Ч (EmPx units): its stem begins at x = 387 with a serif reaching
    // left to x = 316 at the top; the bowl meets the stem between y = -395 and -365.
    constexpr qreal StemLeft = 387, SerifLeft = 316, BowlTop = -420, BowlJoin = -380;
    constexpr qreal Lean = 0.45;
    const auto inked = [&che](qreal x, qreal y) { return che.path.contains(QPointF(x, y)); };
    if (!inked(StemLeft + 4, -100) || inked(StemLeft - 4, -100) || !inked(SerifLeft + 4, -712) ||
        inked(SerifLeft - 4, -712) || !inked(StemLeft - 4, BowlJoin))
        return {}; // another version of the face: measure again
    QPainterPath window;
    window.addRect(QRectF(box.left() - 1, box.top() - 1, SerifLeft - 16 - box.left(),
                          BowlTop - box.top() + 1));
    window.addRect(QRectF(box.left() - 1, BowlTop, StemLeft - 2 - box.left(), -BowlTop + 1));
    window = window.simplified();
    const QPainterPath arm = che.path.intersected(window);
    const QPainterPath stem = che.path.subtracted(window);
    QTransform lean;
    lean.translate(0, BowlJoin);
    lean.shear(Lean, 0);
    lean.translate(0, -BowlJoin);
    Run run;
    run.path = lean.map(arm).united(stem).simplified();
    const QRectF leaned = run.path.boundingRect();
    run.path.translate(box.left() - leaned.left(), 0);
    run.advance = che.advance + leaned.width() - box.width();
    return run;
}

// An outline made a little heavier, for a glyph of lower-case weight shown as a capital.
Run emboldened(Run run, qreal by)
{
    QPainterPathStroker stroker;
    stroker.setWidth(by);
    stroker.setJoinStyle(Qt::RoundJoin);
    run.path = run.path.united(stroker.createStroke(run.path)).simplified();
    run.advance += by;
    run.path.translate(by / 2, 0);
    return run;
}

} // namespace

Run letterForm(int index)
{
    switch (index) {
    case 6:
        return emboldened(stoodUp(NarrowE, U'Є'), 16);
    case 18:
        return stoodUp(LensO, U'О');
    case 24:
        return emboldened(glyph(MonographUk), 24);
    case 29:
        return leaningChe();
    case 48:
        return glyph(LigatureAE);
    default:
        return oldStyle(znakovit::toQString(znakovit::Letters.at(index).glyph));
    }
}

Run leadingForms(int index)
{
    Run run = letterForm(index);
    if (index == 40) {
        const Run rest = oldStyle(QStringLiteral(", ") + QString::fromUcs4(&ClosedYus, 1));
        run.path.addPath(rest.path.translated(run.advance, 0));
        run.advance += rest.advance;
    }
    return run;
}

QString oldStyleText(QString text)
{
    return text.replace(QChar(0x0222), QChar(MonographUk));
}

} // namespace gen
