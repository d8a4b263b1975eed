#include "tags/TagSetCommitAlert.h"

#include "editor/EditorAlert.h"
#include "engine/halvex/libraries/LibraryError.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "widgets/LibraryErrorText.h"
#include "widgets/TextLocalizer.h"

#include <QMessageBox>

namespace corvelle {

bool TagSetCommitAlert::commit(halvex::TagSetManager& manager, halvex::TagSetManager::Domain domain, QWidget* window)
{
    try {
        manager.commit(domain);
        return true;
    } catch (const halvex::LibraryError& error) {
        showFailure(QStringLiteral("TagSetCommitDidFail"), libraryErrorText(error), window);
    }
    return false;
}

void TagSetCommitAlert::showFailure(const QString& stem, const QString& reason, QWidget* window)
{
    if (!window)
        return;
    QMessageBox* alert = EditorAlert::make(stem, {stem + QStringLiteral("OKButton")});
    alert->setObjectName(stem);
    alert->setInformativeText(localizedString(stem + QStringLiteral("InformativeText"), {reason}));
    brisa::SheetPresenter::safeBeginSheetModal(alert, window->window(), {});
}

} // namespace corvelle
