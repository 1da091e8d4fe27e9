// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmbukv.h"

#include "window/accessibility.h"
#include "window/touch.h"

#include <QPalette>

frmBukv::frmBukv(Services services, QWidget* parent)
    : QWidget(parent), services_(std::move(services))
{
    installAccessibility();
    createControls();
    connectEvents();
    new TouchOnLetters(this);
    Form_Load();
}

void frmBukv::Form_Load()
{
    services_.Randomize();
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(ButtonFace));
    setPalette(colours);
    AzbIst = true;
    for (int i = 0; i < znakovit::LetterCount; ++i)
        Obraz[std::size_t(i)] = znakovit::meanings(i);
}

void frmBukv::Uncheck()
{
    for (Image* letter : imgBukv)
        letter->setBorderStyle(Unframed);
    lblAzbIst->setText(QString());
}

void frmBukv::msgBox(const QString& text, std::function<void()> then)
{
    if (services_.MsgBoxThen) {
        services_.MsgBoxThen(this, text, std::move(then));
    } else {
        services_.MsgBox(text);
        then();
    }
}
