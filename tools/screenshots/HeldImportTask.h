#pragma once

#include "engine/halvex/tasks/ImportTagEditorsTask.h"

#include <QSemaphore>

// An import that waits before it starts until release() (or a cancel), so that a picture can
// catch it running.
class HeldImportTask : public halvex::ImportTagEditorsTask {
public:
    using ImportTagEditorsTask::ImportTagEditorsTask;

    void release() { gate_.release(); }

protected:
    void run() override;

private:
    QSemaphore gate_;
};
