#pragma once

#include "engine/halvex/kit/LocalizedText.h"
#include "engine/halvex/tags/TagEditorList.h"

#include <functional>

namespace halvex {

// Says whether a remote profile can be applied now. There is no Photos application here: a
// profile goes to the files selected in the editor window, which names them through the
// selection source it registers. Main thread only.
class PhotosAppAuthorizer {
public:
    using SelectionSource = std::function<TagEditorList()>;

    // None: nothing is selected anywhere.
    static void setSelectionSource(SelectionSource source);
    // The files a profile would be applied to now, in their list order.
    static TagEditorList selectedEditors();

    // Whether there are files to apply a profile to.
    static bool perform();
    // Why perform() answers false, for the message shown to the user.
    static LocalizedText refusalReason();
};

} // namespace halvex
