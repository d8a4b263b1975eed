#pragma once

#include <functional>

class QAbstractButton;
class QDialog;
class QMessageBox;
class QWidget;

namespace brisa {

// Sheets: dialogs that are window-modal to the window of a host widget, opened with open() and
// ended with a return code, 1 for apply and 0 for cancel (QDialog's Accepted and Rejected), which
// `finished` carries to the completion. Every sheet of the application goes through here; Escape
// ends each one as its cancel does.
//
// The completion never runs inside the ending of the sheet: it is queued and runs at the next
// turn of the event loop, when the sheet is closed and hidden, so it may present another sheet.
// Without a host window that is shown, nothing is presented and the completion never runs.
class SheetPresenter {
public:
    using Completion = std::function<void(int returnCode)>;
    using AlertCompletion = std::function<void(QAbstractButton* clickedButton)>;

    // Whether `host`'s window can carry a sheet now.
    static bool canHostSheet(const QWidget* host);
    // The sheet shown on `host`'s window now; null when there is none.
    static QDialog* attachedSheet(const QWidget* host);

    // The sheet stays the caller's: while shown it is a child of the host window, and it goes
    // back to its former parent when it ends. A sheet already on screen is left alone.
    static bool presentSheet(QWidget* host, QDialog* sheet, Completion completion);

    // Shows `content` in a new dialog made for it. When the sheet ends the content goes back to
    // its former parent, hidden, and the dialog is deleted (it is deleted on close).
    static bool presentContentSheet(QWidget* host, QWidget* content, Completion completion);

    // Ends the sheet holding `widgetInSheet` with `returnCode`; nothing when it is in none.
    static void endSheet(QWidget* widgetInSheet, int returnCode);

    // Runs `alert` as a sheet of `window`, taking ownership of it: it is deleted after the
    // completion ran, or at once when there is no window to show it on. An alert without an
    // escape button gets one (its cancelling button).
    static bool safeBeginSheetModal(QMessageBox* alert, QWidget* window, AlertCompletion completion);
};

} // namespace brisa
