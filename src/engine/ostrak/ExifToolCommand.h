#pragma once

#include "engine/ostrak/ExifToolMessage.h"
#include "engine/ostrak/ExifToolRequest.h"

#include <QByteArray>
#include <QTemporaryFile>

#include <memory>
#include <vector>

namespace ostrak {

// One request as the lines written to a `-stay_open` process: one argument per line, the
// files as absolute paths, then the markers that close its standard error and output. The
// request number carries a random part, so that no file's content can forge a marker.
//
// An argument that a plain argfile line would alter (control characters, empty, leading
// white space or "#", white space around "=") goes as a `#[CSTR]` line. ExifTool 12.57 leaves
// a backslash before "$" and "@" in such lines, so an assignment holding one of them takes its
// value from a temporary file instead (`-TAG<=FILE`); any other such argument is refused, as
// is an argument that would end the command or the process ("-execute", "-stay_open").
class ExifToolCommand {
public:
    // `sequence` keeps the numbers of one process distinct.
    ExifToolCommand(const ExifToolRequest& request, quint64 sequence);

    bool isValid() const { return error_.isEmpty(); }
    const ExifToolMessage& error() const { return error_; }

    const QByteArray& bytes() const { return bytes_; }
    // Closes the output: "{readyN}\n".
    QByteArray outputMarker() const;
    // Opens the line that closes the error output: "{readyN " followed by the status and "}\n".
    QByteArray errorMarkerPrefix() const;

    // The line for one argument (without its newline), or an empty array when the argument
    // cannot be passed; `valueFiles` keeps the temporary files the line refers to.
    static QByteArray encodeArgument(const QString& argument,
                                     std::vector<std::unique_ptr<QTemporaryFile>>& valueFiles,
                                     ExifToolMessage& error);
    static QString absolutePath(const QString& path);

private:
    QByteArray id_;
    QByteArray bytes_;
    ExifToolMessage error_;
    std::vector<std::unique_ptr<QTemporaryFile>> valueFiles_;
};

} // namespace ostrak
