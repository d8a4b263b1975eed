#pragma once

#include <QString>
#include <QStringList>

#include <stdexcept>

namespace brisa {

// Why a stored JSON value could not be decoded, with the path of keys that led to it.
class DecodingError : public std::runtime_error {
public:
    enum class Kind { TypeMismatch, ValueNotFound, KeyNotFound, DataCorrupted };

    DecodingError(Kind kind, QStringList codingPath, QString description);

    Kind kind() const { return kind_; }
    const QStringList& codingPath() const { return codingPath_; }
    const QString& description() const { return description_; }

private:
    Kind kind_;
    QStringList codingPath_;
    QString description_;
};

} // namespace brisa
