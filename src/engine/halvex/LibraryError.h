#pragma once

#include <QString>

#include <stdexcept>

namespace halvex {

// A stored library, or a file imported into or exported from one, that cannot be read or
// written. The message names the file and the reason and is meant for the user.
class LibraryError : public std::runtime_error {
public:
    explicit LibraryError(const QString& message);

    QString message() const;
};

} // namespace halvex
