// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/accessibility.h"

#include "window/frmbukv.h"

#include <QAccessibleWidget>
#include <QListWidget>

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
        const QList<QAccessibleInterface*> children = shown();
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
    QList<QAccessibleInterface*> shown() const
    {
        const auto* window = static_cast<const frmBukv*>(widget());
        QList<QAccessibleInterface*> children;
        const int count = QAccessibleWidget::childCount();
        for (int i = 0; i < count; ++i) {
            QAccessibleInterface* child = QAccessibleWidget::child(i);
            if (child && !unseen(window, child->object()))
                children << child;
        }
        return children;
    }
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
    // returns at once even where the click opens the modal message box.
    void doAction(const QString& actionName) override
    {
        if (!isLetter() || actionName != pressAction()) {
            QAccessibleWidget::doAction(actionName);
            return;
        }
        Image* letter = picture();
        QMetaObject::invokeMethod(
            letter, [letter] { emit letter->Click(letter->index()); }, Qt::QueuedConnection);
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

QAccessibleInterface* interfaceFor(const QString& key, QObject* object)
{
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
