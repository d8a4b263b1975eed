#pragma once

#include "engine/ostrak/ExifToolMessage.h"

#include <QByteArray>
#include <QString>

namespace ostrak {

// What one ExifTool command gave back.
struct ExifToolResult {
    enum class State {
        Finished,       // the command ran; see exitStatus
        TimedOut,       // the time limit passed; the process was killed
        Crashed,        // the process ended while working on the command
        FailedToStart,  // the program could not be started
        Cancelled,      // the pool shut down before or while it ran
        InvalidRequest, // an argument could not be passed to ExifTool safely
    };

    State state = State::Finished;
    // ExifTool's status of the command: 0 success, 1 error, 2 every file failed a condition.
    // -1 when the command did not finish.
    int exitStatus = -1;
    QByteArray output;
    QString errorOutput;
    // Why the command did not finish; empty when it did.
    ExifToolMessage error;

    // The summary lines ExifTool prints after writing ("1 image files updated" ...).
    int updated = 0;
    int unchanged = 0;
    int failed = 0; // "files weren't updated due to errors" and "weren't created"
    int created = 0;

    bool isFinished() const { return state == State::Finished; }
    bool succeeded() const { return state == State::Finished && exitStatus == 0; }

    // The error for display: ours when the command did not finish, else ExifTool's own
    // "Error:" lines, else empty.
    QString errorText() const;

    // Reads the summary counts from the output and the error output.
    void parseSummary();

    static ExifToolResult failure(State state, ExifToolMessage error);
};

} // namespace ostrak
