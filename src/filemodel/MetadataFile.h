#pragma once

#include "engine/halvex/tags/TagEditor.h"

#include <QHashFunctions>
#include <QString>
#include <QUrl>

#include <cstddef>
#include <memory>

namespace corvelle {

// One opened file of the editor window around the tag editor read for it. Held by
// std::shared_ptr (MetadataFilePointer); two files are the same file only when they are the same
// object, so a file opened twice gives two distinct files.
//
// The URL, name and folder state follow the editor's source at the moment of the call; the
// editor may move its source at any time. Safe to read from any thread.
class MetadataFile {
public:
    explicit MetadataFile(std::shared_ptr<halvex::TagEditor> editor);
    MetadataFile(const MetadataFile&) = delete;
    MetadataFile& operator=(const MetadataFile&) = delete;

    const std::shared_ptr<halvex::TagEditor>& editor() const { return editor_; }

    // The URL of the editor's storage source.
    QUrl url() const;
    // The last path component of url().
    QString filename() const;
    // An opened folder, or a URL that the file system holds as a folder. A file without an
    // extension is a file.
    bool isFolder() const;

private:
    const std::shared_ptr<halvex::TagEditor> editor_;
};

using MetadataFilePointer = std::shared_ptr<MetadataFile>;

// By identity, so that a file keeps its hash while its editor's source changes and while it
// sits in a QSet or QHash.
inline size_t qHash(const MetadataFilePointer& file, size_t seed = 0) noexcept
{
    return ::qHash(reinterpret_cast<quintptr>(file.get()), seed);
}

// The name of the keychain item that holds the user's file-decoding password.
QString decodingPasswordKeychainName();

} // namespace corvelle
