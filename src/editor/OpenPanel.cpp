#include "editor/OpenPanel.h"

#include <QFileInfo>

namespace corvelle {

OpenPanel::OpenPanel(QWidget* parent)
    : QFileDialog(parent)
{
    setFileMode(QFileDialog::ExistingFiles);
    setOption(QFileDialog::ReadOnly);
    // Only the widget-based dialog lets folders and files be chosen at once.
    setOption(QFileDialog::DontUseNativeDialog);
}

void OpenPanel::accept()
{
    const QStringList chosen = selectedFiles();
    const bool folderChosen = std::any_of(chosen.begin(), chosen.end(), [](const QString& path) { return QFileInfo(path).isDir(); });
    const bool allExist = std::all_of(chosen.begin(), chosen.end(), [](const QString& path) { return QFileInfo::exists(path); });
    if (folderChosen && allExist)
        QDialog::accept();
    else
        QFileDialog::accept();
}

} // namespace corvelle
