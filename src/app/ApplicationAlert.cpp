#include "app/ApplicationAlert.h"

#include "widgets/TextLocalizer.h"

#include <QPushButton>

namespace corvelle {

int ApplicationAlert::run(const Texts& texts, QMessageBox::Icon icon, std::optional<int> escapeButton)
{
    QMessageBox alert;
    alert.setObjectName(texts.stem);
    alert.setWindowModality(Qt::ApplicationModal);
    alert.setIcon(icon);
    alert.setText(localizedString(texts.stem + QStringLiteral("MessageText")));
    const QString informativeKey = texts.stem + QStringLiteral("InformativeText");
    QString informative = texts.informativeArguments.isEmpty()
                              ? localizedString(informativeKey)
                              : localizedString(informativeKey, texts.informativeArguments);
    if (!texts.detail.isEmpty())
        informative += QStringLiteral("\n\n") + texts.detail;
    alert.setInformativeText(informative);

    QList<QPushButton*> buttons;
    for (int index = 0; index < texts.buttonSuffixes.size(); ++index) {
        const QString key = texts.stem + texts.buttonSuffixes.at(index);
        const QMessageBox::ButtonRole role = index == escapeButton ? QMessageBox::RejectRole
                                             : index == 0          ? QMessageBox::AcceptRole
                                                                   : QMessageBox::ActionRole;
        QPushButton* button = alert.addButton(localizedString(key), role);
        button->setObjectName(key);
        buttons << button;
    }
    if (!buttons.isEmpty())
        alert.setDefaultButton(buttons.first());
    if (escapeButton && *escapeButton < buttons.size())
        alert.setEscapeButton(buttons.at(*escapeButton));

    alert.exec();
    return int(buttons.indexOf(qobject_cast<QPushButton*>(alert.clickedButton())));
}

} // namespace corvelle
