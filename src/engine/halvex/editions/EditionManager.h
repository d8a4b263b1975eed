#pragma once

#include "engine/halvex/editions/HistoryEdition.h"
#include "platform/brisa/core/Notification.h"

#include <QList>
#include <QString>

#include <memory>
#include <optional>

namespace halvex {

class TagEditor;

// Gathers the changes of each applied edition and announces them.
//
// An edition is open on a thread while a Scope lives there; scopes nest, and the outermost one
// is the edition. Every mutating TagEditor call opens a scope of its own and records the tag
// names it changed into the edition open on its thread, so:
// - an EditionTask is one edition (it opens a scope around its closure);
// - a list operation called directly (TagEditorList) is one edition;
// - a lone TagEditor call made outside any scope is an edition by itself.
// editConcurrently() carries the edition into its worker threads with currentEdition().
//
// When the edition ends and it changed something, didFlushHistoryNotification is posted on
// brisa::NotificationCenter::defaultCenter(), with no object and the HistoryEdition in the user
// info (decode with history()). It is posted after the values are in the editors and arrives on
// the main thread. An edition that changed nothing posts nothing.
class EditionManager {
public:
    static const QString didFlushHistoryNotification;
    static const QString historyUserInfoKey;

    // The edition a flush note carries; none for any other note.
    static std::optional<HistoryEdition> history(const brisa::Notification& note);

    class Recording;

    class Scope {
    public:
        // Joins the edition open on this thread, or opens one that flushes when this scope ends.
        Scope();
        // Joins `edition` (from currentEdition() on another thread) for the scope's life; never
        // flushes it. A null edition opens one of this thread's own, as above.
        explicit Scope(std::shared_ptr<Recording> edition);
        ~Scope();
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        std::shared_ptr<Recording> recording_;
        std::shared_ptr<Recording> previous_;
        bool owns_ = false;
    };

    // The edition open on this thread, or null.
    static std::shared_ptr<Recording> currentEdition();

    // Records changed names into the edition open on this thread (TagEditor calls this inside
    // its own scope). Outside any scope it is an edition by itself and flushes at once.
    static void record(const TagEditor& editor, const QList<ostrak::TagName>& tagNames);

private:
    static void flush(const HistoryEdition& edition);
};

} // namespace halvex
