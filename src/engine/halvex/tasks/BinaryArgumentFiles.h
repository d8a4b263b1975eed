#pragma once

#include <QStringList>

#include <memory>
#include <vector>

class QTemporaryFile;

namespace ostrak {
class TagDatabase;
} // namespace ostrak

namespace halvex {

// ExifTool takes a command-line value as it stands: "base64:..." would be stored as that text.
// A binary tag (cover art, a preview) assigned such a value is given the decoded bytes through
// a file instead ("-TAG<=FILE"). The files live as long as this object.
class BinaryArgumentFiles {
public:
    BinaryArgumentFiles();
    ~BinaryArgumentFiles();
    BinaryArgumentFiles(const BinaryArgumentFiles&) = delete;
    BinaryArgumentFiles& operator=(const BinaryArgumentFiles&) = delete;

    // The arguments with each binary base64 assignment turned into a file assignment; an
    // assignment whose text does not decode, or whose file cannot be written, is left as it is.
    QStringList prepare(const QStringList& arguments, const ostrak::TagDatabase& database);

private:
    std::vector<std::unique_ptr<QTemporaryFile>> files_;
};

} // namespace halvex
