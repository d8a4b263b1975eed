#include "presets/PresetFailureAlert.h"

#include "platform/brisa/ui/SheetPresenter.h"
#include "widgets/TextLocalizer.h"

#include <QMessageBox>

namespace corvelle {

void PresetFailureAlert::show(QWidget* window, const QString& stem, const QString& reason)
{
    auto* alert = new QMessageBox;
    alert->setIcon(QMessageBox::Warning);
    alert->setText(localizedString(stem + QStringLiteral("MessageText")));
    alert->setInformativeText(localizedString(stem + QStringLiteral("InformativeText"), {reason}));
    alert->setObjectName(stem);
    alert->addButton(localizedString(stem + QStringLiteral("OKButton")), QMessageBox::AcceptRole);
    if (window && brisa::SheetPresenter::canHostSheet(window)) {
        brisa::SheetPresenter::safeBeginSheetModal(alert, window, {});
        return;
    }
    alert->setAttribute(Qt::WA_DeleteOnClose);
    alert->setWindowModality(Qt::ApplicationModal);
    alert->show();
}

} // namespace corvelle
