#pragma once

#include "editor/FileTextTableCellView.h"
#include "platform/brisa/core/NoteSubscriber.h"

namespace corvelle {

// The file's GPS position in decimal degrees, read off the main thread; "-" without one.
class FileGPSTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    explicit FileGPSTableCellView(QWidget* parent = nullptr);

    static FileTableCellType cellType();

    void reloadCoordinate();
    void updateContent() override;
    void startObserving() override;
    void stopObserving() override;

private:
    brisa::NoteSubscriber editionsManagerDidFlushHistorySubscriber_;
};

} // namespace corvelle
