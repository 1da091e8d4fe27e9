// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/azbist.h"
#include "window/frmbukv.h"

#include <QApplication>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>
#include <memory>
#include <utility>

namespace testsupport {

inline constexpr quint32 QuestionColour = 0x000000C0;
inline constexpr quint32 AnsweredColour = 0x00004000;

// How the rig's message box behaves: it waits for its dismissal before the call returns,
// as on the desktop, or returns at once and leaves the box up, as in a browser tab.
enum class Box { Waits, ReturnsAtOnce };

// A window whose random numbers come from a script and whose message box only records
// its text. A script that runs dry fails the test; the draws then go on from the seeded
// source so that the handler still ends. With scripted = false every draw comes from it.
class Rig
{
public:
    explicit Rig(Box kind = Box::Waits) : box(kind) {}

    const Box box;
    std::deque<float> draws;
    bool scripted = true;
    RandomSource source;
    int drawn = 0;
    QStringList boxes;
    std::function<void(const QString&)> whileBoxUp;
    // What follows a box that returned at once, until dismissBox() runs it.
    std::function<void()> afterBox;
    frmBukv w{services()};

    void script(const QList<float>& values)
    {
        draws.insert(draws.end(), values.begin(), values.end());
    }

    void dismissBox()
    {
        QVERIFY2(afterBox, "no message box is up");
        std::exchange(afterBox, nullptr)();
    }

private:
    bool ranDry_ = false;

    Services services()
    {
        Services services;
        services.Randomize = [] {};
        services.Rnd = [this] {
            ++drawn;
            if (!scripted)
                return source.next();
            if (draws.empty()) {
                if (!std::exchange(ranDry_, true))
                    QTest::qFail("the scripted random numbers ran out", __FILE__, __LINE__);
                return source.next();
            }
            const float u = draws.front();
            draws.pop_front();
            return u;
        };
        services.MsgBox = [this](const QString& text) {
            boxes << text;
            if (whileBoxUp)
                whileBoxUp(text);
        };
        if (box == Box::ReturnsAtOnce)
            services.MsgBoxThen = [this](QWidget* owner, const QString& text,
                                         std::function<void()> then) {
                QCOMPARE(owner, &w);
                QVERIFY2(!afterBox, "a second box over the first");
                boxes << text;
                if (whileBoxUp)
                    whileBoxUp(text);
                afterBox = std::move(then);
            };
        return services;
    }
};

// Every 10 ms while a modal message box is up, hands it to onBox until onBox returns false;
// for as long as the timer lives.
inline std::unique_ptr<QTimer> pollMessageBox(std::function<bool(QMessageBox*)> onBox)
{
    auto poll = std::make_unique<QTimer>();
    poll->setInterval(10);
    QTimer* timer = poll.get();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, onBox = std::move(onBox)] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            if (!onBox(box))
                timer->stop();
    });
    poll->start();
    return poll;
}

// Draws that place the items of a count-item string in the given order (1-based item
// numbers), with no redraw.
inline QList<float> drawsFor(const QList<int>& order, int count)
{
    QList<float> values;
    for (int r : order)
        values << (float(r) - 0.5f) / float(count);
    return values;
}

inline QList<float> drawsInOrder(int count)
{
    QList<float> values;
    for (int r = 1; r <= count; ++r)
        values << (float(r) - 0.5f) / float(count);
    return values;
}

inline QStringList itemsOf(const QString& meanings)
{
    return meanings.chopped(1).split(QStringLiteral("; "));
}

inline QString capitalised(QString text)
{
    if (!text.isEmpty())
        text[0] = text[0].toUpper();
    return text;
}

// A meanings string as it reads with its items in stored order: first character raised,
// closing ";" gone. Both the study click (for in-order draws) and the question show this.
inline QString inStoredOrder(const QString& meanings)
{
    return capitalised(meanings.chopped(1));
}

inline QStringList texts(const QListWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text();
    return result;
}

inline QList<int> framedLetters(const frmBukv& w)
{
    QList<int> result;
    for (int i = 0; i < znakovit::LetterCount; ++i)
        if (w.imgBukv[std::size_t(i)]->borderStyle() == 1)
            result << i;
    return result;
}

inline QList<int> namesShown(const frmBukv& w)
{
    QList<int> result;
    for (int i = 0; i < znakovit::LetterCount; ++i)
        if (!w.imgWhat[std::size_t(i)]->isHidden())
            result << i;
    return result;
}

inline QList<int> membersOf(const znakovit::AzbIstLine& line)
{
    return QList<int>(line.members.begin(), line.members.end());
}

// Everything about the window that the handlers may change, and a few things that they
// must leave alone. Tests take the look before an event, apply the expected changes and
// compare; a difference is reported field by field.
struct Look
{
    QList<int> framed;
    QList<int> names;
    bool choose = false, choose2 = false, choose3 = false;
    QList<bool> optionsShown;
    int option = -1;
    QString num, obraz, azbIst;
    bool azbIstShown = false;
    quint32 obrazColour = 0;
    bool azbIstButtonShown = false, azbIstButtonEnabled = false;
    QString azbIstCaption, azbIstTip;
    bool checkShown = false, checkEnabled = false;
    QString checkCaption;
    qint16 Last = 0, Rand = 0;
    bool Check = false, AzbIst = false;
    QStringList mix, mix2;

    static Look of(const frmBukv& w)
    {
        Look look;
        look.framed = framedLetters(w);
        look.names = namesShown(w);
        look.choose = !w.imgChoose->isHidden();
        look.choose2 = !w.imgChoose2->isHidden();
        look.choose3 = !w.imgChoose3->isHidden();
        for (int k = 0; k < 3; ++k) {
            look.optionsShown << !w.optDirect[std::size_t(k)]->isHidden();
            if (w.optDirect[std::size_t(k)]->isChecked())
                look.option = k;
        }
        look.num = w.lblNum->text();
        look.obraz = w.lblObraz->text();
        look.azbIst = w.lblAzbIst->text();
        look.azbIstShown = !w.lblAzbIst->isHidden();
        look.obrazColour = w.lblObraz->foreColor();
        look.azbIstButtonShown = !w.cmdAzbIst->isHidden();
        look.azbIstButtonEnabled = w.cmdAzbIst->isEnabled();
        look.azbIstCaption = w.cmdAzbIst->text();
        look.azbIstTip = w.cmdAzbIst->toolTip();
        look.checkShown = !w.cmdCheck->isHidden();
        look.checkEnabled = w.cmdCheck->isEnabled();
        look.checkCaption = w.cmdCheck->text();
        look.Last = w.Last;
        look.Rand = w.Rand;
        look.Check = w.Check;
        look.AzbIst = w.AzbIst;
        look.mix = texts(w.lstMix);
        look.mix2 = texts(w.lstMix2);
        return look;
    }

    QList<std::pair<const char*, QString>> fields() const
    {
        const auto ints = [](const QList<int>& values) {
            QStringList parts;
            for (int v : values)
                parts << QString::number(v);
            return QLatin1Char('{') + parts.join(QLatin1Char(' ')) + QLatin1Char('}');
        };
        const auto flag = [](bool value) {
            return value ? QStringLiteral("yes") : QStringLiteral("no");
        };
        QString shown;
        for (bool s : optionsShown)
            shown += s ? QLatin1Char('1') : QLatin1Char('0');
        return {
            {"framed", ints(framed)},
            {"imgWhat shown", ints(names)},
            {"imgChoose shown", flag(choose)},
            {"imgChoose2 shown", flag(choose2)},
            {"imgChoose3 shown", flag(choose3)},
            {"optDirect shown", shown},
            {"optDirect selected", QString::number(option)},
            {"lblNum", num},
            {"lblObraz", obraz},
            {"lblObraz colour", QString::number(obrazColour, 16)},
            {"lblAzbIst", azbIst},
            {"lblAzbIst shown", flag(azbIstShown)},
            {"cmdAzbIst shown", flag(azbIstButtonShown)},
            {"cmdAzbIst enabled", flag(azbIstButtonEnabled)},
            {"cmdAzbIst caption", azbIstCaption},
            {"cmdAzbIst tooltip", azbIstTip},
            {"cmdCheck shown", flag(checkShown)},
            {"cmdCheck enabled", flag(checkEnabled)},
            {"cmdCheck caption", checkCaption},
            {"Last", QString::number(Last)},
            {"Rand", QString::number(Rand)},
            {"Check", flag(Check)},
            {"AzbIst", flag(AzbIst)},
            {"lstMix", mix.join(QLatin1Char('|'))},
            {"lstMix2", mix2.join(QLatin1Char('|'))},
        };
    }

    // Empty when the looks agree, else one line per differing field.
    static QString differences(const Look& actual, const Look& expected)
    {
        QString report;
        const auto a = actual.fields(), e = expected.fields();
        for (qsizetype i = 0; i < a.size(); ++i)
            if (a[i].second != e[i].second)
                report += QStringLiteral("\n   %1: actual \"%2\", expected \"%3\"")
                              .arg(QLatin1String(a[i].first), a[i].second, e[i].second);
        return report;
    }
};

} // namespace testsupport

#define COMPARE_LOOK(actual, expected)                                                             \
    do {                                                                                           \
        const QString lookDiff_ = testsupport::Look::differences((actual), (expected));            \
        QVERIFY2(lookDiff_.isEmpty(), qPrintable(QStringLiteral("window differs:") + lookDiff_));  \
    } while (false)
