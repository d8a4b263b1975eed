#pragma once

#include "editor/EditorWindowHost.h"

#include <QMainWindow>
#include <QMenu>
#include <QStringList>

#include <memory>

namespace corvelle::test {

// An editor window controller that records what is asked of it.
class EditorHostStandIn : public EditorWindowHost {
public:
    explicit EditorHostStandIn(QStringList* log = nullptr, bool withWindow = true)
        : log_(log)
    {
        if (withWindow) {
            window_ = std::make_unique<QMainWindow>();
            window_->setCentralWidget(new QWidget);
            window_->resize(640, 480);
        }
    }

    QWidget* window() const override { return window_.get(); }
    void updateInterface() override { record(QStringLiteral("window.updateInterface")); }
    QMenu* fileContextualMenu() const override { return menu_.get(); }
    MetadataFileList* metadataFileList() const override { return nullptr; }
    halvex::TagValueTable* tagValueTable() const override { return nullptr; }
    void switchToPreviewSection() override { record(QStringLiteral("switchToPreviewSection")); }
    void switchToTagsSection() override { record(QStringLiteral("switchToTagsSection")); }
    void switchToMapSection() override { record(QStringLiteral("switchToMapSection")); }
    void switchToRawSection() override { record(QStringLiteral("switchToRawSection")); }
    void addTagEditors(const QList<std::shared_ptr<halvex::TagEditor>>& editors) override
    {
        addedEditors.append(editors);
        record(QStringLiteral("addTagEditors"));
    }

    void setFileContextualMenu(std::unique_ptr<QMenu> menu) { menu_ = std::move(menu); }

    QList<QList<std::shared_ptr<halvex::TagEditor>>> addedEditors;

private:
    void record(const QString& entry)
    {
        if (log_)
            log_->append(entry);
    }

    QStringList* log_;
    std::unique_ptr<QMainWindow> window_;
    std::unique_ptr<QMenu> menu_;
};

} // namespace corvelle::test
