// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/accessibility.h"

#include "window/frmbukv.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QApplication>
#include <QKeySequence>
#include <QListWidget>
#include <QRadioButton>

#include <utility>

namespace {

// The window's own controls that never appear on screen: the two work lists, which only
// hold the pieces of a shuffle, and the pale square, which is decoration. A reader meets
// neither in the tree nor under the pointer.
bool unseen(const frmBukv* window, const QObject* control)
{
    return control == window->lstMix || control == window->lstMix2 || control == window->Shape1;
}

class WindowAccessible : public QAccessibleWidget
{
public:
    explicit WindowAccessible(frmBukv* window) : QAccessibleWidget(window, QAccessible::Window) {}

    int childCount() const override { return int(shown().size()); }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QAccessibleInterface*>& children = shown();
        return index >= 0 && index < children.size() ? children[index] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        return int(shown().indexOf(const_cast<QAccessibleInterface*>(child)));
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return widget()->windowTitle();
        return QAccessibleWidget::text(t);
    }

private:
    // The controls are made once, with the window; the list is made again only where the
    // window's children have changed since.
    const QList<QAccessibleInterface*>& shown() const
    {
        const auto* window = static_cast<const frmBukv*>(widget());
        if (window->children().size() == madeFor_)
            return shown_;
        madeFor_ = window->children().size();
        shown_.clear();
        const int count = QAccessibleWidget::childCount();
        for (int i = 0; i < count; ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child && !unseen(window, child->object()))
                shown_ << child;
        }
        return shown_;
    }

    mutable QList<QAccessibleInterface*> shown_;
    mutable qsizetype madeFor_ = -1;
};

// A picture of the window. A letter of the grid is selected while it is framed, and its
// press action does what a click on it does.
class PictureAccessible : public QAccessibleWidget, public QAccessibleImageInterface
{
public:
    explicit PictureAccessible(Image* picture) : QAccessibleWidget(picture, QAccessible::Graphic) {}

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        if (isLetter()) {
            state.selectable = true;
            state.selected = picture()->borderStyle() == Framed;
        }
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType t) override
    {
        if (t == QAccessible::ImageInterface)
            return static_cast<QAccessibleImageInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QStringList actionNames() const override
    {
        return isLetter() ? QStringList{pressAction()} : QAccessibleWidget::actionNames();
    }

    // The click arrives from the event loop, as a mouse click does: a press from the bus
    // returns at once even where the click opens the modal message box. Whether the letter
    // may act is asked again then, since a box may have opened meanwhile.
    void doAction(const QString& actionName) override
    {
        if (!isLetter() || actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        Image* letter = picture();
        if (!canAct(letter))
            return;
        QMetaObject::invokeMethod(
            letter,
            [letter] {
                if (canAct(letter))
                    emit letter->Click(letter->index());
            },
            Qt::QueuedConnection);
    }

    QString imageDescription() const override { return picture()->accessibleDescription(); }
    QSize imageSize() const override { return picture()->size(); }
    QPoint imagePosition() const override { return rect().topLeft(); }

private:
    Image* picture() const { return static_cast<Image*>(widget()); }

    bool isLetter() const
    {
        const auto* window = qobject_cast<const frmBukv*>(picture()->parentWidget());
        const int index = picture()->index();
        return window && index >= 0 && index < znakovit::LetterCount &&
               window->imgBukv[std::size_t(index)] == picture();
    }
};

// A push button or direction option of the window, read as Qt reads its own: its caption
// as its name, its access key, checked or not. Its action is a click, the mouse's own, and
// like the mouse it does nothing to a hidden or disabled control or under a modal box.
class ButtonAccessible : public QAccessibleWidget
{
public:
    explicit ButtonAccessible(QAbstractButton* button)
        : QAccessibleWidget(button, qobject_cast<QRadioButton*>(button) ? QAccessible::RadioButton
                                                                        : QAccessible::Button)
    {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name && widget()->accessibleName().isEmpty())
            return QString(button()->text()).remove(QLatin1Char('&'));
        if (t == QAccessible::Accelerator)
            return accessKey();
        return QAccessibleWidget::text(t);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.checkable = button()->isCheckable();
        state.checked = button()->isChecked();
        state.pressed = button()->isDown();
        return state;
    }

    QStringList actionNames() const override
    {
        if (!canAct(widget()))
            return {};
        return QStringList{clickAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& actionName) override
    {
        if (!canAct(widget()))
            return;
        if (actionName == clickAction())
            button()->click();
        else
            QAccessibleWidget::doAction(actionName);
    }

    QStringList keyBindingsForAction(const QString& actionName) const override
    {
        const QString key = accessKey();
        if (actionName == clickAction() && !key.isEmpty())
            return {key};
        return {};
    }

private:
    QAbstractButton* button() const { return static_cast<QAbstractButton*>(widget()); }
    QString clickAction() const
    {
        return role() == QAccessible::RadioButton ? toggleAction() : pressAction();
    }
    QString accessKey() const
    {
        return QKeySequence::mnemonic(button()->text()).toString(QKeySequence::NativeText);
    }
};

QAccessibleInterface* interfaceFor(const QString& key, QObject* object)
{
    if (key == QLatin1String("QPushButton") || key == QLatin1String("QRadioButton")) {
        auto* button = static_cast<QAbstractButton*>(object);
        // The buttons of other windows, the message box's among them, stay Qt's own.
        if (qobject_cast<frmBukv*>(button->parentWidget()))
            return new ButtonAccessible(button);
        return nullptr;
    }
    if (key == QLatin1String("frmBukv"))
        return new WindowAccessible(static_cast<frmBukv*>(object));
    if (key == QLatin1String("Image"))
        return new PictureAccessible(static_cast<Image*>(object));
    return nullptr;
}

} // namespace

void installAccessibility()
{
    static bool installed = false;
    if (!std::exchange(installed, true))
        QAccessible::installFactory(interfaceFor);
}

void announceSelectionChange(QObject* picture)
{
    QAccessible::State changed;
    changed.selected = true;
    QAccessibleStateChangeEvent event(picture, changed);
    QAccessible::updateAccessibility(&event);
}
