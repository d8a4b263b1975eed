#pragma once

#include "engine/halvex/libraries/TagSetManager.h"

class QWidget;

namespace corvelle {

// Stores a domain of the tag-set library after an edit. A store that fails is never silent:
// the alert "TagSetCommitDidFail" names the file and the reason as a sheet of `window` (when
// there is one), and the edit stays in memory for the next commit.
class TagSetCommitAlert {
public:
    // Whether the domain was stored.
    static bool commit(halvex::TagSetManager& manager, halvex::TagSetManager::Domain domain, QWidget* window);
    // The alert of a failed tag-set file operation: stem + "MessageText", the reason as the
    // informative text's one argument, one OK button (stem + "OKButton").
    static void showFailure(const QString& stem, const QString& reason, QWidget* window);
};

} // namespace corvelle
