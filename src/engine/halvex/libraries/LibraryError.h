#pragma once

#include "engine/halvex/kit/LocalizedText.h"

#include <QList>

#include <stdexcept>

namespace halvex {

// A stored library, or a file imported into or exported from one, that cannot be read or
// written. The message names the file and the reason.
class LibraryError : public std::runtime_error {
public:
    LibraryError(const QString& key, const QVariantList& arguments);

    // The message: texts shown one after the other, separated by a space. what() holds the
    // keys with their arguments, for logs.
    const QList<LocalizedText>& texts() const { return texts_; }

    // The same error, introduced by `context` ("The keyword file … cannot be read.").
    LibraryError after(const QString& contextKey, const QVariantList& arguments) const;

private:
    explicit LibraryError(const QList<LocalizedText>& texts);

    QList<LocalizedText> texts_;
};

} // namespace halvex
