#include "screenshots/HeldImportTask.h"

void HeldImportTask::run()
{
    while (!gate_.tryAcquire(1, 20)) {
        if (isCancelled())
            return;
    }
    ImportTagEditorsTask::run();
}
