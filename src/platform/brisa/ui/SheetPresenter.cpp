#include "platform/brisa/ui/SheetPresenter.h"

#include <QCoreApplication>
#include <QDialog>
#include <QMessageBox>
#include <QPointer>
#include <QVBoxLayout>

#include <memory>

namespace brisa {

namespace {

QWidget* hostWindow(const QWidget* host)
{
    return host ? host->window() : nullptr;
}

// Escape answers an alert as its cancel button does. Qt finds that button alone only when it is
// unambiguous (a Cancel button, a single button, a single rejecting one): otherwise the last
// button that rejects or says no is taken, and failing those the last button.
void ensureEscapeButton(QMessageBox* alert)
{
    if (alert->escapeButton())
        return;
    const QList<QAbstractButton*> buttons = alert->buttons();
    if (buttons.isEmpty())
        return;
    QAbstractButton* escape = alert->button(QMessageBox::Cancel);
    for (const QMessageBox::ButtonRole role : {QMessageBox::RejectRole, QMessageBox::NoRole}) {
        if (escape)
            break;
        for (QAbstractButton* button : buttons) {
            if (alert->buttonRole(button) == role)
                escape = button;
        }
    }
    alert->setEscapeButton(escape ? escape : buttons.last());
}

void runQueued(std::function<void()> block)
{
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(block), Qt::QueuedConnection);
}

// Shows `sheet` on `window` and calls `ended` once, when the sheet has finished and is hidden.
void beginSheet(QWidget* window, QDialog* sheet, std::function<void(int)> ended)
{
    QPointer<QWidget> formerParent = sheet->parentWidget();
    const bool hadParent = formerParent;
    const Qt::WindowFlags flags = sheet->windowFlags() | Qt::Dialog;
    if (sheet->parentWidget() != window)
        sheet->setParent(window, flags);
    sheet->setWindowModality(Qt::WindowModal);

    auto connection = std::make_shared<QMetaObject::Connection>();
    *connection = QObject::connect(sheet, &QDialog::finished, sheet,
                                   [sheet, formerParent, hadParent, flags, connection, ended](int code) {
                                       QObject::disconnect(*connection);
                                       // A former parent that is gone leaves the sheet with the host.
                                       if (formerParent != sheet->parentWidget() && (formerParent || !hadParent))
                                           sheet->setParent(formerParent, flags);
                                       ended(code);
                                   });
    sheet->open();
}

} // namespace

bool SheetPresenter::canHostSheet(const QWidget* host)
{
    const QWidget* window = hostWindow(host);
    return window && window->isVisible();
}

QDialog* SheetPresenter::attachedSheet(const QWidget* host)
{
    const QWidget* window = hostWindow(host);
    if (!window)
        return nullptr;
    for (QDialog* dialog : window->findChildren<QDialog*>(Qt::FindDirectChildrenOnly)) {
        if (dialog->isVisible() && dialog->windowModality() == Qt::WindowModal)
            return dialog;
    }
    return nullptr;
}

bool SheetPresenter::presentSheet(QWidget* host, QDialog* sheet, Completion completion)
{
    if (!sheet || !canHostSheet(host) || sheet->isVisible())
        return false;
    beginSheet(hostWindow(host), sheet, [completion = std::move(completion)](int code) {
        if (completion)
            runQueued([completion, code] { completion(code); });
    });
    return true;
}

bool SheetPresenter::presentContentSheet(QWidget* host, QWidget* content, Completion completion)
{
    if (!content || !canHostSheet(host))
        return false;
    QWidget* window = hostWindow(host);
    auto* dialog = new QDialog(window);
    // Gone once closed, whichever way: its button, Escape or the window manager.
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setWindowTitle(content->windowTitle());
    auto* layout = new QVBoxLayout(dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    QPointer<QWidget> formerParent = content->parentWidget();
    layout->addWidget(content);
    content->show();

    QPointer<QWidget> guardedContent = content;
    beginSheet(window, dialog,
               [guardedContent, formerParent, completion = std::move(completion)](int code) {
                   if (guardedContent) {
                       guardedContent->hide();
                       guardedContent->setParent(formerParent);
                   }
                   if (completion)
                       runQueued([completion, code] { completion(code); });
               });
    return true;
}

void SheetPresenter::endSheet(QWidget* widgetInSheet, int returnCode)
{
    if (!widgetInSheet)
        return;
    if (auto* sheet = qobject_cast<QDialog*>(widgetInSheet->window()))
        sheet->done(returnCode);
}

bool SheetPresenter::safeBeginSheetModal(QMessageBox* alert, QWidget* window, AlertCompletion completion)
{
    if (!alert)
        return false;
    if (!canHostSheet(window) || alert->isVisible()) {
        alert->deleteLater();
        return false;
    }
    ensureEscapeButton(alert);
    QPointer<QMessageBox> guardedAlert = alert;
    beginSheet(hostWindow(window), alert, [guardedAlert, completion = std::move(completion)](int) {
        runQueued([guardedAlert, completion] {
            if (completion)
                completion(guardedAlert ? guardedAlert->clickedButton() : nullptr);
            if (guardedAlert)
                guardedAlert->deleteLater();
        });
    });
    return true;
}

} // namespace brisa
