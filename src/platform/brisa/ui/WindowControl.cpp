#include "platform/brisa/ui/WindowControl.h"

#include <QAbstractItemDelegate>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QLineEdit>
#include <QWidget>

namespace brisa {

namespace {

// The item view whose delegate made the editor holding `focus`, if any.
QAbstractItemView* editingView(QWidget* focus)
{
    for (QWidget* widget = focus; widget && !widget->isWindow(); widget = widget->parentWidget()) {
        auto* view = qobject_cast<QAbstractItemView*>(widget->parentWidget() ? widget->parentWidget()->parentWidget()
                                                                              : nullptr);
        if (view && widget->parentWidget() == view->viewport())
            return view;
    }
    return nullptr;
}

// The editor widget holding `focus`: the direct child of the view's viewport, unless it is a
// widget the view shows in place of an item.
QWidget* delegateEditor(QAbstractItemView* view, QWidget* focus, QModelIndex* index)
{
    QWidget* editor = focus;
    while (editor && editor->parentWidget() != view->viewport())
        editor = editor->parentWidget();
    if (!editor)
        return nullptr;
    *index = view->indexAt(editor->geometry().center());
    if (!index->isValid())
        *index = view->currentIndex();
    return view->indexWidget(*index) == editor ? nullptr : editor;
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
    if (QAbstractItemView* view = editingView(focus)) {
        QModelIndex index;
        if (QWidget* editor = delegateEditor(view, focus, &index)) {
            QAbstractItemDelegate* delegate = view->itemDelegateForIndex(index);
            Q_EMIT delegate->commitData(editor);
            Q_EMIT delegate->closeEditor(editor, QAbstractItemDelegate::NoHint);
            return true;
        }
    }
    focus->clearFocus();
    return true;
}

} // namespace brisa
