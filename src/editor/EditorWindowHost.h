#pragma once

#include "editor/EditorContentSection.h"

#include <QList>
#include <QObject>
#include <QUrl>

#include <memory>

class QAction;
class QItemSelectionModel;
class QMenu;
class QWidget;

namespace halvex {
class TagEditor;
class TagValueTable;
} // namespace halvex

namespace corvelle {

class MetadataFileList;
class MetadataFileListModel;

// What the section views, their bars and the task reports reach of the editor window
// controller, which implements it. They hold it weakly (QPointer): it may be gone before them.
class EditorWindowHost : public QObject {
    Q_OBJECT

public:
    using QObject::QObject;

    // The editor window; null while it is not made yet.
    virtual QWidget* window() const = 0;
    // Title, subtitle and toolbar follow the current section.
    virtual void updateInterface() = 0;
    virtual QMenu* fileContextualMenu() const = 0;
    virtual MetadataFileList* metadataFileList() const = 0;
    virtual halvex::TagValueTable* tagValueTable() const = 0;

    virtual void switchToPreviewSection() = 0;
    virtual void switchToTagsSection() = 0;
    virtual void switchToMapSection() = 0;
    virtual void switchToRawSection() = 0;

    // The editors of newly opened files, in the order the import task read them.
    virtual void addTagEditors(const QList<std::shared_ptr<halvex::TagEditor>>& editors) = 0;

    // The enabled state of a window command ("removeAllFiles:"); a window that knows no
    // command answers false.
    virtual bool validateUserInterfaceItem(const QString& action) const
    {
        Q_UNUSED(action);
        return false;
    }
    // Runs a window command; `sender` is the menu item that sent it, if any.
    virtual void performCommand(const QString& action, QAction* sender)
    {
        Q_UNUSED(action);
        Q_UNUSED(sender);
    }
    // The menu of the toolbar's Open Files button; none by default.
    virtual QMenu* openFilesMenu() const { return nullptr; }
    // The window's action of a command, which menus and bars hold; none by default.
    virtual QAction* commandAction(const QString& name) const
    {
        Q_UNUSED(name);
        return nullptr;
    }
    // The model of the open files and its selection, which every file table of the window shows;
    // none by default (a table then keeps a model of its own over metadataFileList()).
    virtual MetadataFileListModel* fileListModel() const { return nullptr; }
    virtual QItemSelectionModel* fileSelectionModel() const { return nullptr; }
    // Opens files and folders dropped on a file bar or the window; nothing by default.
    virtual void addFiles(const QList<QUrl>& urls) { Q_UNUSED(urls); }
    // The section on screen; the welcome section by default.
    virtual EditorContentSection contentSection() const { return EditorContentSection::welcome; }
};

} // namespace corvelle
