#include "editor/EditorAlert.h"

#include "widgets/TextLocalizer.h"

#include <QMessageBox>

namespace corvelle {

QMessageBox* EditorAlert::make(const QString& stem, const QStringList& buttonKeys)
{
    auto* alert = new QMessageBox;
    alert->setIcon(QMessageBox::Warning);
    alert->setText(localizedString(stem + QStringLiteral("MessageText")));
    alert->setInformativeText(localizedString(stem + QStringLiteral("InformativeText")));
    for (const QString& key : buttonKeys)
        alert->addButton(localizedString(key), key == buttonKeys.first() ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
    return alert;
}

QAbstractButton* EditorAlert::firstButton(const QMessageBox* alert)
{
    // The layout orders the buttons by role, not by the order they were added in.
    for (QAbstractButton* button : alert->buttons()) {
        if (alert->buttonRole(button) == QMessageBox::AcceptRole)
            return button;
    }
    return nullptr;
}

} // namespace corvelle
