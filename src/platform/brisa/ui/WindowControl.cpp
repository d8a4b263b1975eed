#include "platform/brisa/ui/WindowControl.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QWidget>

namespace brisa {

namespace {

struct OpenEditor {
    QAbstractItemView* view = nullptr;
    QWidget* editor = nullptr;
    QModelIndex index;
};

// The delegate editor holding `focus`: a child of an item view's viewport that is not a widget
// the view shows in place of an item.
OpenEditor openEditor(QWidget* focus)
{
    for (QWidget* widget = focus; widget && !widget->isWindow(); widget = widget->parentWidget()) {
        QWidget* viewport = widget->parentWidget();
        auto* view = qobject_cast<QAbstractItemView*>(viewport ? viewport->parentWidget() : nullptr);
        if (!view || view->viewport() != viewport)
            continue;
        QModelIndex index = view->indexAt(widget->geometry().center());
        if (!index.isValid())
            index = view->currentIndex();
        if (view->indexWidget(index) == widget)
            return {};
        return {view, widget, index};
    }
    return {};
}

QAbstractSpinBox* spinBoxOf(QWidget* focus)
{
    if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(focus))
        return spinBox;
    return qobject_cast<QAbstractSpinBox*>(focus->parentWidget());
}

bool acceptsInput(QWidget* focus)
{
    if (QAbstractSpinBox* spinBox = spinBoxOf(focus))
        return spinBox->hasAcceptableInput();
    if (auto* lineEdit = qobject_cast<QLineEdit*>(focus))
        return lineEdit->hasAcceptableInput();
    return true;
}

} // namespace

void WindowControl::toggleWindow(QWidget* widget)
{
    if (!widget)
        return;
    QWidget* window = widget->window();
    if (window->isVisible()) {
        window->hide();
        return;
    }
    window->show();
    window->raise();
    window->activateWindow();
}

void WindowControl::forceEndEditing(QWidget* widget)
{
    endEditing(widget, true);
}

bool WindowControl::endEditing(QWidget* widget)
{
    return endEditing(widget, false);
}

bool WindowControl::endEditing(QWidget* widget, bool force)
{
    if (!widget)
        return true;
    QWidget* focus = widget->window()->focusWidget();
    if (!focus)
        return true;
    if (!force && !acceptsInput(focus))
        return false;

    if (QAbstractSpinBox* spinBox = spinBoxOf(focus))
        spinBox->interpretText();
    if (const OpenEditor open = openEditor(focus); open.editor) {
        QAbstractItemDelegate* delegate = open.view->itemDelegateForIndex(open.index);
        Q_EMIT delegate->commitData(open.editor);
        Q_EMIT delegate->closeEditor(open.editor, QAbstractItemDelegate::NoHint);
        return true;
    }
    focus->clearFocus();
    return true;
}

} // namespace brisa
