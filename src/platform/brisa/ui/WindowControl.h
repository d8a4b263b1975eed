#pragma once

class QWidget;

namespace brisa {

// Window-level helpers: showing and hiding a window, and ending the editing in its fields.
class WindowControl {
public:
    // Shows, raises and activates the window of `widget` when it is not visible, else hides it.
    static void toggleWindow(QWidget* widget);

    // Ends the editing in the focused field of the window of `widget`, whatever the field holds:
    // an item-view editor writes its value to the model and closes, a spin box takes the typed
    // text, and the field loses the focus (which ends a line edit's editing).
    static void forceEndEditing(QWidget* widget);

    // As forceEndEditing(), unless the field refuses: a line edit or spin box whose text its
    // validator does not accept keeps the focus and its text, and the answer is false.
    static bool endEditing(QWidget* widget);

private:
    static bool endEditing(QWidget* widget, bool force);
};

} // namespace brisa
