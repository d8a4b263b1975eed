#include "editor/FileDialogSheet.h"

#include "platform/brisa/ui/SheetPresenter.h"
#include "widgets/TextLocalizer.h"

#include <QFileDialog>
#include <QPointer>

namespace corvelle {

QFileDialog* FileDialogSheet::makePanel(QWidget* window, const QString& objectName, const QString& acceptKey)
{
    auto* panel = new QFileDialog(window);
    panel->setObjectName(objectName);
    panel->setLabelText(QFileDialog::Accept, localizedString(acceptKey));
    return panel;
}

QFileDialog* FileDialogSheet::makeFolderPanel(QWidget* window, const QString& objectName, const QString& acceptKey)
{
    QFileDialog* panel = makePanel(window, objectName, acceptKey);
    panel->setFileMode(QFileDialog::Directory);
    panel->setOption(QFileDialog::ShowDirsOnly);
    return panel;
}

void FileDialogSheet::present(QWidget* window, QFileDialog* panel, std::function<void(const QUrl& url)> completion)
{
    QPointer<QFileDialog> weakPanel(panel);
    const bool shown = brisa::SheetPresenter::presentSheet(window, panel, [weakPanel, completion](int returnCode) {
        if (!weakPanel)
            return;
        const QList<QUrl> urls = weakPanel->selectedUrls();
        weakPanel->deleteLater();
        if (returnCode == QDialog::Accepted && !urls.isEmpty() && urls.front().isLocalFile())
            completion(urls.front());
    });
    if (!shown)
        panel->deleteLater();
}

} // namespace corvelle
