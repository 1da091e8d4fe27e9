// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPoint>

class frmBukv;

// A finger on the letters does what the pointer does. Touching a letter is the pointer
// arriving on it; a finger drawn over the grid moves over each letter it reaches, in turn,
// whichever letter it first touched; lifting a finger that stayed on its letter clicks it,
// and lifting it after a drag clicks nothing. Qt would give the letter first touched every
// move of the finger, so the letters take the touch themselves and this glue finds the letter
// under the finger. Nothing reaches a letter the learner could not click.
class TouchOnLetters : public QObject
{
    Q_OBJECT
public:
    explicit TouchOnLetters(frmBukv* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int letterAt(QPoint inWindow) const;
    void moveTo(QPoint inWindow);

    frmBukv* window_;
    int finger_ = -1;  // the touch point followed: the first to come down
    int touched_ = -1; // the letter it came down on
    int over_ = -1;    // the letter under it now, -1 between letters
    bool dragged_ = false;
    QPoint start_;
};
