#pragma once

#include <QStringList>

#include <chrono>

namespace ostrak {

// One ExifTool command: options and tag arguments, then the files it works on.
// Files are kept apart from the options so that each is passed as an absolute path and a
// file name can never be taken for an option.
struct ExifToolRequest {
    QStringList arguments;
    QStringList files;
    // Past this the process is killed and replaced; only this request fails.
    std::chrono::milliseconds timeout = std::chrono::seconds(60);
    // The read of every tag (ETTagStorageReader::readArguments() and files alone): the pool gives
    // it to its tag reader, which answers exactly as ExifTool would, for less.
    bool readsEveryTag = false;
};

} // namespace ostrak
