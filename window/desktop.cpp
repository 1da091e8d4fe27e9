// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/desktop.h"

#include <QApplication>
#include <QStyle>

#include <cmath>

QByteArray preferredPlatform(const QByteArray& chosen, const QByteArray& waylandDisplay,
                             const QByteArray& sessionType, const QByteArray& x11Display)
{
    const bool wayland = !waylandDisplay.isEmpty() || sessionType == "wayland";
    if (!chosen.isEmpty() || !wayland || x11Display.isEmpty())
        return {};
    // Wayland stays as the fallback where the X server cannot be reached.
    return QByteArrayLiteral("xcb;wayland");
}

void preferX11OnWayland()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS) && !defined(Q_OS_WASM)
    const QByteArray platform =
        preferredPlatform(qgetenv("QT_QPA_PLATFORM"), qgetenv("WAYLAND_DISPLAY"),
                          qgetenv("XDG_SESSION_TYPE"), qgetenv("DISPLAY"));
    if (!platform.isEmpty())
        qputenv("QT_QPA_PLATFORM", platform);
#endif
}

bool honoursFixedSize()
{
    // In a browser the window fills the page's canvas, which the page sizes.
    const QString platform = QGuiApplication::platformName();
    return !platform.startsWith(QLatin1String("wayland")) && platform != QLatin1String("wasm");
}

namespace {

double luminance(const QColor& colour)
{
    const auto linear = [](double c) {
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF()) +
           0.0722 * linear(rgb.blueF());
}

// Dark texts on light backs, each pair at least 4.5:1.
bool isLight(const QPalette& palette)
{
    const std::pair<QPalette::ColorRole, QPalette::ColorRole> pairs[] = {
        {QPalette::WindowText, QPalette::Window},
        {QPalette::ButtonText, QPalette::Button},
        {QPalette::Text, QPalette::Base}};
    for (const auto& [text, back] : pairs) {
        const QColor fore = palette.color(text), behind = palette.color(back);
        if (luminance(fore) >= luminance(behind) || contrastRatio(fore, behind) < 4.5)
            return false;
    }
    return true;
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = luminance(a), lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QPalette lightPalette()
{
    QPalette palette = QApplication::palette();
    if (!isLight(palette)) {
        palette = QApplication::style()->standardPalette();
        // The button face of the desktops the layout was drawn for.
        if (!isLight(palette))
            palette = QPalette(QColor(240, 240, 240));
    }
    // Every role is the window's own, so a later change of the desktop's palette leaves it.
    palette.setResolveMask(~QPalette::ResolveMask(0));
    return palette;
}
