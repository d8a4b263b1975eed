#pragma once

#include <QString>
#include <QUrl>

namespace corvelle {

// Which file a URL names, as the file system sees it: two URLs name one file when their keys are
// equal, whatever symbolic links or spellings of the path lead to it.
class FileIdentity {
public:
    // The canonical path of an existing local file (links resolved); the cleaned absolute path
    // of one that does not exist; the URL itself for anything else.
    static QString key(const QUrl& url);
};

} // namespace corvelle
