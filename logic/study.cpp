// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmbukv.h"

#include <QListWidget>
#include <QPushButton>

// A click on a letter selects it for study or, while a self-test waits, answers it.
void frmBukv::imgBukv_Click(int Index)
{
    lblNum->setText(AzbIst ? imgBukv[Index]->toolTip() : QString());

    // The selected letter and the letters of a line on show stay as they are.
    if (imgBukv[Index]->borderStyle() == Framed)
        return;

    lstMix->clear();
    lstMix2->clear();

    // Old frame off first, new one on after: clicking letter Last again leaves it framed.
    imgBukv[Last]->setBorderStyle(Unframed);
    imgBukv[Index]->setBorderStyle(Framed);
    imgChoose->setVisible(false);

    if (Check) {
        // The answer ends the click once its message box is dismissed.
        answer(Index);
        return;
    }
    imgWhat[Last]->setVisible(false);
    imgWhat[Index]->setVisible(true);
    lblObraz->setText(Mix(Obraz[Index]));
    Last = qint16(Index);
    closeSelfTest();
}

// The last steps of a click that selected a letter or answered a question.
void frmBukv::closeSelfTest()
{
    cmdCheck->setVisible(true);
    imgChoose2->setVisible(false);
    cmdAzbIst->setVisible(true);
    Check = false;
}
