// SPDX-License-Identifier: GPL-3.0-or-later
#include "content/azbist.h"
#include "window/frmbukv.h"

#include <QPushButton>
#include <QRadioButton>

// Switches between letter study and the alphabet truths. Entering covers the studied
// letter's picture and meanings without removing them; leaving clears them away.
void frmBukv::cmdAzbIst_Click()
{
    lblObraz->setForeColor(MeaningsColour);
    if (AzbIst) {
        lblNum->setText(QString());
        cmdAzbIst->setText(QStringLiteral("Назад к &Буквице"));
        cmdAzbIst->setToolTip(QStringLiteral("Узнать о Буквице"));
        cmdCheck->setEnabled(false);
        for (QRadioButton* option : optDirect)
            option->setVisible(true);
        imgChoose3->setVisible(true);
        lblAzbIst->setVisible(true);
        Uncheck();
        AzbIst = false;
    } else {
        cmdAzbIst->setText(QStringLiteral("К Азбучным &Истинам"));
        cmdAzbIst->setToolTip(QStringLiteral("Узнать об Азбучных Истинах"));
        cmdCheck->setEnabled(true);
        for (QRadioButton* option : optDirect)
            option->setVisible(false);
        imgChoose3->setVisible(false);
        lblAzbIst->setVisible(false);
        imgWhat[Last]->setVisible(false);
        AzbIst = true;
        Uncheck();
        imgChoose->setVisible(true);
        lblObraz->setText(QString());
    }
}

// The frames are the only record of the line on show: a hover over a framed letter keeps
// it, a hover over any other letter draws the line through it in the chosen direction.
void frmBukv::imgBukv_MouseMove(int Index)
{
    if (AzbIst)
        return;
    if (imgBukv[Index]->borderStyle() == Framed)
        return;

    Uncheck();
    for (int direction = 0; direction < int(optDirect.size()); ++direction) {
        if (!optDirect[direction]->isChecked())
            continue;
        if (const znakovit::AzbIstLine* line = znakovit::FindAzbIstLine(direction, qint16(Index))) {
            lblAzbIst->setText(line->text());
            for (qint16 member : line->members)
                imgBukv[member]->setBorderStyle(Framed);
        }
    }
}

// The line on show stays framed until the next hover; only its sentence goes.
void frmBukv::optDirect_Click(int /*Index*/)
{
    lblAzbIst->setText(QString());
}
