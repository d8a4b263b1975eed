#include "engine/halvex/LibraryError.h"

namespace halvex {

LibraryError::LibraryError(const QString& message) : std::runtime_error(message.toStdString())
{
}

QString LibraryError::message() const
{
    return QString::fromStdString(what());
}

} // namespace halvex
