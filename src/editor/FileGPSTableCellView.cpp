#include "editor/FileGPSTableCellView.h"

#include "engine/halvex/editions/EditionManager.h"
#include "engine/halvex/editions/HistoryEdition.h"
#include "engine/halvex/places/CoordinateWriter.h"
#include "engine/halvex/places/TagEditorLocation.h"
#include "widgets/TextLocalizer.h"

#include <QApplication>
#include <QFontMetrics>
#include <QtConcurrent>

namespace corvelle {

FileGPSTableCellView::FileGPSTableCellView(QWidget* parent)
    : FileTextTableCellView(parent)
{
}

FileTableCellType FileGPSTableCellView::cellType()
{
    return typeOf<FileGPSTableCellView>(QStringLiteral("FileGPSTableCellView"), [] {
        // Wide enough for the longest coordinate in the interface font.
        const int widest = QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("-00.000000°, -000.000000°"));
        return FileTableColumn::fixed(QStringLiteral("FileGPSTableColumn"), std::max(154, widest + 12),
                                      localizedString(QStringLiteral("TableColumnTitleCoordinates")));
    });
}

void FileGPSTableCellView::updateContent()
{
    setText(QStringLiteral("-"));
    reloadCoordinate();
}

void FileGPSTableCellView::reloadCoordinate()
{
    if (!file())
        return;
    const std::shared_ptr<halvex::TagEditor> editor = file()->editor();
    QtConcurrent::run([editor] {
        const std::optional<halvex::Coordinate> coordinate = halvex::gpsCoordinate(*editor);
        return coordinate ? halvex::CoordinateWriter().DDddddd(*coordinate) : QStringLiteral("-");
    }).then(this, [this, editor](const QString& text) {
        if (file() && file()->editor() == editor)
            setText(text);
    });
}

void FileGPSTableCellView::startObserving()
{
    editionsManagerDidFlushHistorySubscriber_.subscribe(
        halvex::EditionManager::didFlushHistoryNotification, nullptr, [this](const brisa::Notification& note) {
            const std::optional<halvex::HistoryEdition> history = halvex::EditionManager::history(note);
            if (history && file() && history->hasLocationEditions({file()->editor()}))
                reloadCoordinate();
        });
}

void FileGPSTableCellView::stopObserving()
{
    editionsManagerDidFlushHistorySubscriber_.unsubscribe();
}

} // namespace corvelle
