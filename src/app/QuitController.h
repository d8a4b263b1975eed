#pragma once

#include <functional>

namespace corvelle {

// The questions asked before the application ends: tasks still running, then files with
// unsaved changes. Each is an application-modal alert whose first button, Cancel, is also the
// default one, so Return keeps the application open.
class QuitController {
public:
    // Asks about running tasks when there are any, then about unsaved changes when there are
    // any, whatever the first answer was. True when neither question was cancelled.
    static bool shouldTerminate(const std::function<bool()>& tasksRunning,
                                const std::function<bool()>& hasUnsavedChanges);
};

} // namespace corvelle
