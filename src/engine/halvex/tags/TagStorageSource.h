#pragma once

#include <QString>
#include <QUrl>

#include <optional>

namespace halvex {

// Where the tags of one file are read from: the file, the password that decodes it (passed to
// ExifTool for PDF files only) and, for files of the photo library, the library item's identifier.
// A value: copying a source reloads the same file the same way.
class TagStorageSource {
public:
    explicit TagStorageSource(QUrl url, std::optional<QString> photosItem = std::nullopt,
                              std::optional<QString> password = std::nullopt)
        : url_(std::move(url)), photosItem_(std::move(photosItem)), password_(std::move(password))
    {
    }

    const QUrl& url() const { return url_; }
    const std::optional<QString>& photosItem() const { return photosItem_; }
    const std::optional<QString>& password() const { return password_; }

    friend bool operator==(const TagStorageSource&, const TagStorageSource&) = default;

private:
    QUrl url_;
    std::optional<QString> photosItem_;
    std::optional<QString> password_;
};

} // namespace halvex
