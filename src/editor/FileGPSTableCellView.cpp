#include "editor/FileGPSTableCellView.h"

#include "engine/halvex/places/CoordinateWriter.h"
#include "engine/halvex/places/TagEditorLocation.h"
#include "widgets/TextLocalizer.h"

#include <QApplication>
#include <QFontMetrics>

namespace corvelle {

FileTableCellType FileGPSTableCellView::cellType()
{
    return typeOf<FileGPSTableCellView>(QStringLiteral("FileGPSTableCellView"), [] {
        // Wide enough for the longest coordinate in the interface font.
        const int widest = QFontMetrics(QApplication::font()).horizontalAdvance(QStringLiteral("-00.000000°, -000.000000°"));
        return FileTableColumn::fixed(QStringLiteral("FileGPSTableColumn"), std::max(154, widest + 12),
                                      localizedString(QStringLiteral("TableColumnTitleCoordinates")));
    });
}

QString FileGPSTableCellView::text(const QModelIndex& index) const
{
    return deferredText(index, [](const halvex::TagEditor& editor) {
        const std::optional<halvex::Coordinate> coordinate = halvex::gpsCoordinate(editor);
        return coordinate ? halvex::CoordinateWriter().DDddddd(*coordinate) : QStringLiteral("-");
    });
}

} // namespace corvelle
