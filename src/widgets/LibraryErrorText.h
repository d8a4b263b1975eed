#pragma once

#include <QString>

namespace halvex {
class LibraryError;
}

namespace corvelle {

// The localised message of a library error: its texts one after the other, which name the file
// and the reason.
QString libraryErrorText(const halvex::LibraryError& error);

} // namespace corvelle
