// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/frmbukv.h"

#include <QPushButton>

// Asks for the letter of a randomly picked meanings string. Letter 0 is never asked.
void frmBukv::cmdCheck_Click()
{
    Uncheck();
    lblObraz->setForeColor(QuestionColour);
    Check = true;
    imgChoose2->setVisible(true);
    cmdCheck->setVisible(false);
    Rand = qint16(int(48.0f * services_.Rnd()) + 1);

    // The stored order, not shuffled: the string with its first character raised and the
    // closing ";" dropped.
    QString question = Obraz[Rand];
    question.chop(1);
    if (!question.isEmpty())
        question[0] = question[0].toUpper();
    lblObraz->setText(question);

    cmdAzbIst->setVisible(false);
}

// The clicked letter is already framed and imgChoose hidden. While the box is up, the window
// shows the click as it was made; the rest of the answer, and of the click, follows the box.
void frmBukv::answer(int Index)
{
    const bool right = Index == Rand;
    if (right) {
        imgWhat[Last]->setVisible(false);
        imgWhat[Index]->setVisible(true);
        lblObraz->setForeColor(MeaningsColour);
    }
    const auto afterBox = [this, Index, right] {
        if (right) {
            Last = qint16(Index);
        } else {
            imgBukv[Index]->setBorderStyle(Unframed);
            imgBukv[Last]->setBorderStyle(Unframed);
            imgBukv[Rand]->setBorderStyle(Framed);
            imgWhat[Last]->setVisible(false);
            imgWhat[Index]->setVisible(false);
            imgWhat[Rand]->setVisible(true);
            Last = Rand;
            lblObraz->setForeColor(MeaningsColour);
        }
        lblNum->setText(QString());
        closeSelfTest();
    };
    msgBox(right ? QStringLiteral("Правильно") : QStringLiteral("Не правильно"), afterBox);
}
