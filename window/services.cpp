// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/services.h"

#include "window/frmbukv.h"
#include "window/placement.h"

#include <QApplication>
#include <QEvent>
#include <QGridLayout>
#include <QMessageBox>

#include <chrono>
#include <memory>

void RandomSource::seed(std::uint64_t value)
{
    std::seed_seq sequence{std::uint32_t(value), std::uint32_t(value >> 32)};
    engine_.seed(sequence);
}

void RandomSource::seedFromClock()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    const auto ticks = std::chrono::duration_cast<std::chrono::nanoseconds>(now).count();
    seed(std::uint64_t(ticks) ^
         std::uint64_t(std::chrono::steady_clock::now().time_since_epoch().count()));
}

float RandomSource::next()
{
    static_assert(std::mt19937::max() == 0xFFFFFFFFu);
    return fromBits(std::uint32_t(engine_()));
}

float RandomSource::fromBits(std::uint32_t word)
{
    return float(word >> 8) * 0x1p-24f;
}

namespace {
// The title bar's own icon and buttons beside the title, in pixels.
constexpr int TitleBarRoom = 160;

#ifdef Q_OS_WASM
// A browser tab has no window manager: a click on the window behind the box would make the
// window active and so take the keys from the box. The box takes them back, so that Enter
// or Escape still closes it.
class KeysStayWithBox : public QObject
{
public:
    KeysStayWithBox(QWidget* box, QWidget* owner) : QObject(box), box_(box)
    {
        owner->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::WindowActivate && box_->isVisible())
            box_->activateWindow();
        return false;
    }

private:
    QWidget* box_;
};
#endif

void showMsgBox(QWidget* owner, const QString& text, std::function<void()> then)
{
    // The learner sees the window as it stands when the box opens, not a frame behind.
    if (owner)
        owner->repaint();
    auto* box =
        new QMessageBox(QMessageBox::NoIcon, frmBukv::Caption, text, QMessageBox::Ok, owner);
    box->setWindowModality(Qt::ApplicationModal);
    // A box sized to "Правильно" alone would cut its title short; keep the title whole,
    // with room for the title bar's icon and buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
        const int width = box->fontMetrics().horizontalAdvance(frmBukv::Caption) + TitleBarRoom;
        grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    // Centred over the window, its frame over the window's frame.
    if (owner)
        placeBox(box, owner);
#ifdef Q_OS_WASM
    // A browser tab has no nested event loop: the box opens and the call returns; what
    // follows the box runs when it closes, by OK, Escape or its close button alike.
    box->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(box, &QDialog::finished, box, [then = std::move(then)] {
        if (then)
            then();
    });
    box->show();
    box->activateWindow();
    if (owner)
        new KeysStayWithBox(box, owner);
#else
    const std::unique_ptr<QMessageBox> owned(box);
    box->exec();
    if (then)
        then();
#endif
}
} // namespace

Services Services::platform()
{
    auto source = std::make_shared<RandomSource>();
    Services services;
    services.Randomize = [source] { source->seedFromClock(); };
    services.Rnd = [source] { return source->next(); };
    services.MsgBox = [](const QString& text) {
        showMsgBox(QApplication::activeWindow(), text, {});
    };
    services.MsgBoxThen = showMsgBox;
    return services;
}
