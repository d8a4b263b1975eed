#pragma once

#include "editor/FileTextTableCellView.h"
#include "platform/brisa/core/NoteSubscriber.h"

namespace corvelle {

// A text about the file's tags, shown again whenever an applied edit touches the file.
class FileStateValueTableCellView : public FileTextTableCellView {
    Q_OBJECT

public:
    explicit FileStateValueTableCellView(QWidget* parent = nullptr);

    virtual QString stateText() const { return QStringLiteral("-"); }

    void updateContent() override;
    void startObserving() override;
    void stopObserving() override;

protected:
    // A fixed column of a tag count.
    static FileTableColumn makeTagCountTableColumn(const QString& identifier, const QString& titleKey);
    // "-" without a file, else the count text of that many tags.
    QString tagsCountText(qsizetype count) const;

private:
    brisa::NoteSubscriber editionsManagerDidFlushHistorySubscriber_;
};

} // namespace corvelle
