#pragma once

#include "engine/halvex/libraries/LibraryError.h"
#include "platform/brisa/core/JsonCoding.h"

#include <QByteArray>
#include <QJsonValue>
#include <QString>

#include <optional>

namespace halvex {

// The JSON file that stores one library (keywords, presets, tag sets, locations, profiles).
//
// Nothing stored is ever lost: saving writes a new file aside and renames it over the old one,
// so a failed save leaves the old file as it was; a file that cannot be read is never
// overwritten, but renamed with the date ("Keywords.unreadable-20240131-094500.json") before
// the library starts afresh. Used on the main thread.
class LibraryFile {
public:
    explicit LibraryFile(const QString& path);

    // `fileName` in the application's data folder (~/.local/share/Corvelle/Corvelle).
    static QString dataPath(const QString& fileName);

    QString path() const { return path_; }

    // The stored JSON (an object or an array); none when there is no file yet, so the library
    // starts empty. Throws LibraryError, naming the file and the reason, when the file cannot be
    // read or is not JSON; the file is then kept aside by the next save.
    std::optional<QJsonValue> loadJson();

    // The stored value decoded with its JsonCoding; none when there is no file. Throws
    // LibraryError as loadJson() does, and also when the JSON is not of the expected shape.
    template<class T>
    std::optional<T> load()
    {
        const std::optional<QJsonValue> json = loadJson();
        if (!json)
            return std::nullopt;
        try {
            return brisa::JsonCoding<T>::decode(*json, {});
        } catch (const brisa::DecodingError& error) {
            throw wrongShape(error);
        }
    }

    // Writes the JSON (an object or an array) indented, atomically. A file the last load could
    // not read is kept aside first. Throws LibraryError; the old file is then intact.
    void saveJson(const QJsonValue& json);

    template<class T>
    void save(const T& value)
    {
        saveJson(brisa::JsonCoding<T>::encode(value));
    }

    // Renames the current file, if any, to a dated name beside it, so that the library can
    // start empty without losing it. Returns the new path (empty when there was no file).
    // Throws LibraryError when the file cannot be renamed; it is then left where it was.
    QString resetKeepingAside();

    // Import and export. readFile() throws LibraryError naming the file and the reason.
    // writeFile() replaces the file only once the new content is completely written, so a
    // failed write (it throws LibraryError) leaves the old file as it was. Thread-safe.
    static QByteArray readFile(const QString& path);
    static void writeFile(const QString& path, const QByteArray& bytes);

    // What is wrong with a stored value, said plainly and naming where it lies, for a file of
    // the kind `fileKind` ("LibraryFile", "TagSetFile"): the keys <fileKind>TopContentError,
    // WrongValueError, MissingValueError and InvalidValueError.
    static LibraryError contentError(const QString& fileKind, const QString& path, const brisa::DecodingError& error);

private:
    LibraryError wrongShape(const brisa::DecodingError& error);
    QString asidePath() const;

    QString path_;
    // The last load failed: the file on disk must be kept aside before it is replaced.
    bool unreadable_ = false;
};

} // namespace halvex
