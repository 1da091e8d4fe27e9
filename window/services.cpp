// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/services.h"

#include "window/frmbukv.h"
#include "window/placement.h"

#include <QApplication>
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
} // namespace

Services Services::platform()
{
    auto source = std::make_shared<RandomSource>();
    Services services;
    services.Randomize = [source] { source->seedFromClock(); };
    services.Rnd = [source] { return source->next(); };
    services.MsgBox = [](const QString& text) {
        QWidget* parent = QApplication::activeWindow();
        // Before the desktop has given the window the focus, the box still belongs to it.
        if (!parent)
            for (QWidget* window : QApplication::topLevelWidgets())
                if (qobject_cast<frmBukv*>(window) && window->isVisible())
                    parent = window;
        // The learner sees the window as it stands when the box opens, not a frame behind.
        if (parent)
            parent->repaint();
        auto* box =
            new QMessageBox(QMessageBox::NoIcon, frmBukv::Caption, text, QMessageBox::Ok, parent);
        // A box sized to "Правильно" alone would cut its title short; keep the title whole,
        // with room for the title bar's icon and buttons.
        if (auto* grid = qobject_cast<QGridLayout*>(box->layout())) {
            const int width = box->fontMetrics().horizontalAdvance(frmBukv::Caption) + TitleBarRoom;
            grid->addItem(new QSpacerItem(width, 0, QSizePolicy::Minimum, QSizePolicy::Minimum),
                          grid->rowCount(), 0, 1, grid->columnCount());
        }
        // Centred over the window, its frame over the window's frame.
        if (parent)
            new Placement(box, parent);
#ifdef Q_OS_WASM
        // A browser tab has no nested event loop: the box opens, modal, and the handler
        // goes on behind it.
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->open();
#else
        const std::unique_ptr<QMessageBox> owned(box);
        box->exec();
#endif
    };
    return services;
}
