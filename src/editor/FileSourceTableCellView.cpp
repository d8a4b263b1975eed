#include "editor/FileSourceTableCellView.h"

#include "engine/halvex/tags/ETTagEditor.h"
#include "platform/brisa/core/StringHelpers.h"
#include "widgets/TextLocalizer.h"

#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace corvelle {

FileSourceTableCellView::FileSourceTableCellView(QWidget* parent)
    : FileItemTableCellView(parent)
    , filenameTextField_(new QLabel(this))
    , directoryTextField_(new QLabel(this))
{
    auto* lines = new QVBoxLayout;
    lines->setSpacing(1);
    for (QLabel* label : {filenameTextField_, directoryTextField_}) {
        label->setTextFormat(Qt::PlainText);
        label->setMinimumWidth(1);
        lines->addWidget(label);
    }
    QFont small = directoryTextField_->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    directoryTextField_->setFont(small);
    directoryTextField_->setForegroundRole(QPalette::PlaceholderText);
    stackView()->addLayout(lines, 1);
}

FileTableCellType FileSourceTableCellView::cellType()
{
    return typeOf<FileSourceTableCellView>(QStringLiteral("FileSourceTableCellView"), [] {
        return FileTableColumn{QStringLiteral("FileSourceTableColumn"),
                               localizedString(QStringLiteral("TableColumnTitleFilename")), -1, 200, 10000};
    });
}

void FileSourceTableCellView::updateContent()
{
    QString name = QStringLiteral("-");
    QString folder = QStringLiteral("-");
    if (const MetadataFilePointer& current = file()) {
        const halvex::TagStorageSource source = current->editor()->source();
        name = current->editor()->fileName();
        if (source.photosItem())
            folder = localizedString(QStringLiteral("FileStoredInPhotos"));
        else
            folder = brisa::abbreviateTildeInPath(QFileInfo(source.url().toLocalFile()).path());
    }
    filenameTextField_->setText(name);
    directoryTextField_->setText(folder);
}

void FileSourceTableCellView::startObserving()
{
    editorDidChangeInfoSubscriber_.subscribe(
        {halvex::TagEditor::didChangeSourceNotification, halvex::ETTagEditor::didChangeFilePathFilterNotification,
         halvex::ETTagEditor::didChangeRecurseSubfoldersNotification},
        nullptr, [this](const brisa::Notification& note) {
            if (file() && note.object == file()->editor().get())
                updateContent();
        });
}

void FileSourceTableCellView::stopObserving()
{
    editorDidChangeInfoSubscriber_.unsubscribe();
}

} // namespace corvelle
