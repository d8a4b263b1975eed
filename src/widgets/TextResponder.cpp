#include "widgets/TextResponder.h"

#include <QAbstractSpinBox>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <QTextDocument>

#include <functional>
#include <optional>

namespace corvelle {

namespace {

struct Command {
    std::function<bool()> canPerform;
    std::function<void()> perform;
};

bool clipboardHasText()
{
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    return data && data->hasText();
}

// A spin box edits its text in a line edit of its own.
QWidget* textWidget(QWidget* focus)
{
    if (auto* spinBox = qobject_cast<QAbstractSpinBox*>(focus))
        return spinBox->findChild<QLineEdit*>();
    return focus;
}

std::optional<Command> lineEditCommand(QLineEdit* field, const QString& name)
{
    const bool plain = field->echoMode() == QLineEdit::Normal;
    const bool editable = !field->isReadOnly();
    if (name == QLatin1String("undo:"))
        return Command{[=] { return editable && field->isUndoAvailable(); }, [=] { field->undo(); }};
    if (name == QLatin1String("redo:"))
        return Command{[=] { return editable && field->isRedoAvailable(); }, [=] { field->redo(); }};
    if (name == QLatin1String("cut:"))
        return Command{[=] { return editable && plain && field->hasSelectedText(); }, [=] { field->cut(); }};
    if (name == QLatin1String("copy:"))
        return Command{[=] { return plain && field->hasSelectedText(); }, [=] { field->copy(); }};
    if (name == QLatin1String("paste:"))
        return Command{[=] { return editable && clipboardHasText(); }, [=] { field->paste(); }};
    if (name == QLatin1String("delete:"))
        return Command{[=] { return editable && field->hasSelectedText(); }, [=] { field->del(); }};
    if (name == QLatin1String("selectAll:"))
        return Command{[=] { return !field->text().isEmpty(); }, [=] { field->selectAll(); }};
    return std::nullopt;
}

template<class Edit>
std::optional<Command> textEditCommand(Edit* edit, const QString& name)
{
    const bool editable = !edit->isReadOnly();
    const auto hasSelection = [=] { return edit->textCursor().hasSelection(); };
    if (name == QLatin1String("undo:"))
        return Command{[=] { return editable && edit->document()->isUndoAvailable(); }, [=] { edit->undo(); }};
    if (name == QLatin1String("redo:"))
        return Command{[=] { return editable && edit->document()->isRedoAvailable(); }, [=] { edit->redo(); }};
    if (name == QLatin1String("cut:"))
        return Command{[=] { return editable && hasSelection(); }, [=] { edit->cut(); }};
    if (name == QLatin1String("copy:"))
        return Command{hasSelection, [=] { edit->copy(); }};
    if (name == QLatin1String("paste:"))
        return Command{[=] { return editable && edit->canPaste(); }, [=] { edit->paste(); }};
    if (name == QLatin1String("delete:"))
        return Command{[=] { return editable && hasSelection(); },
                       [=] {
                           QTextCursor cursor = edit->textCursor();
                           cursor.removeSelectedText();
                           edit->setTextCursor(cursor);
                       }};
    if (name == QLatin1String("selectAll:"))
        return Command{[=] { return !edit->document()->isEmpty(); }, [=] { edit->selectAll(); }};
    return std::nullopt;
}

std::optional<Command> command(QWidget* focus, const QString& name)
{
    QWidget* widget = textWidget(focus);
    if (auto* field = qobject_cast<QLineEdit*>(widget))
        return lineEditCommand(field, name);
    if (auto* edit = qobject_cast<QTextEdit*>(widget))
        return textEditCommand(edit, name);
    if (auto* edit = qobject_cast<QPlainTextEdit*>(widget))
        return textEditCommand(edit, name);
    return std::nullopt;
}

} // namespace

MenuValidation TextResponder::validate(QWidget* focus, const QString& name)
{
    if (!focus)
        return MenuValidation::notMine;
    const std::optional<Command> found = command(focus, name);
    if (!found)
        return MenuValidation::notMine;
    return found->canPerform() ? MenuValidation::enabled : MenuValidation::disabled;
}

bool TextResponder::perform(QWidget* focus, const QString& name)
{
    if (!focus)
        return false;
    const std::optional<Command> found = command(focus, name);
    if (!found)
        return false;
    if (found->canPerform())
        found->perform();
    return true;
}

} // namespace corvelle
