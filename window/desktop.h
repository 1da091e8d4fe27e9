// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QPalette>

// What differs between the Linux desktops the program runs on, decided in one place.

// The platform to ask Qt for, or an empty array to leave Qt's own choice. Under a Wayland
// session that also offers an X server (XWayland), the X11 platform is preferred: there the
// window keeps its fixed size and a title bar with a close box only, while Qt's own Wayland
// title bar offers minimise and maximise whatever the window asks for. A platform the user
// has chosen always stands.
QByteArray preferredPlatform(const QByteArray& chosen, const QByteArray& waylandDisplay,
                             const QByteArray& sessionType, const QByteArray& x11Display);
// Applies preferredPlatform() to this process's environment; call before QApplication.
void preferX11OnWayland();

// Whether the platform keeps a window at the size it asks for. Native Wayland does not (the
// compositor's maximised and fullscreen states set the size), nor does the browser.
bool honoursFixedSize();

// A light palette: the desktop's own where its texts are dark on light backs, else a light
// one of the style. The window keeps to it whatever the desktop's colours.
QPalette lightPalette();

// Contrast ratio of two colours as WCAG defines it: 1 (same) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);
