#pragma once

#include "editor/EditorCommandFamily.h"
#include "engine/halvex/editions/TagSyncPair.h"
#include "engine/ostrak/TagStream.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>

namespace halvex {
class TagEditor;
} // namespace halvex

namespace corvelle {

class EditorWindowController;

// The Tags menu's commands that write into the selected files at once, after the user agreed:
// deleting whole tag streams, copying tag values inside the files of folders, and removing a
// movie's iTunes property list. Each is one engine task on the shared task manager.
class EditorTagBlockActions : public EditorCommandFamily {
public:
    explicit EditorTagBlockActions(EditorWindowController& controller);

    // Files are selected outside the raw section, one of them a folder (or so many that they are
    // not looked at one by one), and the tag copies sheet exists.
    bool canShowSyncFolderTagsPanel() const;
    // The same with one of them a file that is not a folder.
    bool canDeleteItunMoviPlist() const;

    // Asks, then deletes the streams from the selected files; `allStreams`: every stream.
    void deleteStreamBlocks(const QList<ostrak::TagStream>& streams, bool allStreams);
    // The streams come from the stream picker, and are remembered; an empty choice deletes nothing.
    void deleteChosenStreamBlock();
    void showSyncFolderTagsPanel();
    // What the tag copies sheet hands back when applied: stores the pairs, then asks and copies
    // them inside the selected folders' files.
    void syncFolderTags(const QList<halvex::TagSyncPair>& pairs);
    void deleteItunMoviPlist();

private:
    // The question asked before writing into the files; `confirmed` runs on its first button.
    void confirmImmediateAction(std::function<void()> confirmed);
    // An alert of one button saying that none of the selected files can take the command.
    void tellNothingToDo(const QString& stem);
    QList<std::shared_ptr<halvex::TagEditor>> selectedEditors(bool folders) const;

    EditorWindowController& controller_;
};

} // namespace corvelle
