// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "content/letters.h"
#include "window/arrangement.h"
#include "window/controls.h"
#include "window/services.h"

#include <QWidget>

#include <array>
#include <functional>

class QButtonGroup;
class QListWidget;
class QPushButton;
class QRadioButton;

// The program's one window. Its controls and state fields are public so that the
// handlers in logic/ and the tests address them by the same names.
class frmBukv : public QWidget
{
    Q_OBJECT
public:
    static inline const QString Caption = QStringLiteral("Знаковит 1.7");
    // Text colours of the meanings label: its own, and while a question waits.
    static constexpr quint32 MeaningsColour = 0x00004000;
    static constexpr quint32 QuestionColour = 0x000000C0;

    explicit frmBukv(Services services = Services::platform(), QWidget* parent = nullptr);

    // Controls, owned by the window.
    std::array<Image*, znakovit::LetterCount> imgBukv{};
    std::array<Image*, znakovit::LetterCount> imgWhat{};
    Image* imgTitle = nullptr;
    Image* imgChoose = nullptr;
    Image* imgChoose2 = nullptr;
    Image* imgChoose3 = nullptr;
    Label* lblNum = nullptr;
    Label* lblObraz = nullptr;
    Label* lblAzbIst = nullptr;
    QPushButton* cmdAzbIst = nullptr;
    QPushButton* cmdCheck = nullptr;
    std::array<QRadioButton*, 3> optDirect{};
    QListWidget* lstMix = nullptr;
    QListWidget* lstMix2 = nullptr;
    Shape* Shape1 = nullptr;

    // State shared by the handlers. For the flags, true stands for -1.
    qint16 Last = 0;
    qint16 Rand = 0;
    bool Check = false;
    bool AzbIst = false;

    std::array<QString, znakovit::LetterCount> Obraz;

    void Form_Load();
    void Uncheck();
    QString Mix(const QString& InpStr);

    void imgBukv_Click(int Index);
    void imgBukv_MouseMove(int Index);
    void cmdCheck_Click();
    void cmdAzbIst_Click();
    void optDirect_Click(int Index);

    // Stands the same controls as the arrangement has them, keeping all they show.
    void arrange(Arrangement arrangement);
    Arrangement arrangement() const { return arrangement_; }

protected:
    bool focusNextPrevChild(bool next) override;

private:
    void createControls();
    void placeControls();
    void connectEvents();
    void answer(int Index);
    void closeSelfTest();
    void msgBox(const QString& text, std::function<void()> then);

    Services services_;
    QButtonGroup* directions_ = nullptr;
    Arrangement arrangement_ = Arrangement::Desktop;
};
