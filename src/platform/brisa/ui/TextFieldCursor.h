#pragma once

class QLineEdit;

namespace brisa {

class TextFieldCursor {
public:
    // At the next turn of the event loop, puts the insertion point after the last character of
    // the field's text as it is then, with nothing selected.
    static void moveCursorToEndAsync(QLineEdit* field);
};

} // namespace brisa
