#include "platform/brisa/ui/TextFieldCursor.h"

#include <QLineEdit>
#include <QTimer>

namespace brisa {

void TextFieldCursor::moveCursorToEndAsync(QLineEdit* field)
{
    if (!field)
        return;
    // The field's own end, counted in its own units, so composed characters cannot leave the
    // insertion point short of the end.
    QTimer::singleShot(0, field, [field] { field->end(false); });
}

} // namespace brisa
