#include "engine/halvex/libraries/LibraryFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <QRegularExpression>
#include <QSaveFile>
#include <QStandardPaths>

namespace halvex {

namespace {

bool isOnDisk(const QFileInfo& info)
{
    return info.exists() || info.isSymLink();
}

// Line and column (both from 1) of a byte offset into UTF-8 text.
std::pair<int, int> lineAndColumn(const QByteArray& text, int offset)
{
    const QByteArray before = text.left(offset);
    const int lineStart = int(before.lastIndexOf('\n')) + 1;
    return {int(before.count('\n')) + 1, int(QString::fromUtf8(before.mid(lineStart)).size()) + 1};
}

} // namespace

LibraryFile::LibraryFile(const QString& path) : path_(path)
{
}

QString LibraryFile::dataPath(const QString& fileName)
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)
           + QStringLiteral("/Corvelle/Corvelle/") + fileName;
}

std::optional<QJsonValue> LibraryFile::loadJson()
{
    if (!isOnDisk(QFileInfo(path_)))
        return std::nullopt;
    // Until the file proves readable, the next save keeps it aside.
    unreadable_ = true;
    const QByteArray bytes = readFile(path_);
    if (bytes.trimmed().isEmpty())
        throw LibraryError(QStringLiteral("LibraryFileEmptyError"), {path_});
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const auto [line, column] = lineAndColumn(bytes, error.offset);
        throw LibraryError(QStringLiteral("LibraryFileJSONError"), {path_, error.errorString(), line, column});
    }
    unreadable_ = false;
    return document.isObject() ? QJsonValue(document.object()) : QJsonValue(document.array());
}

void LibraryFile::saveJson(const QJsonValue& json)
{
    Q_ASSERT(json.isObject() || json.isArray());
    const QJsonDocument document =
        json.isObject() ? QJsonDocument(json.toObject()) : QJsonDocument(json.toArray());
    if (unreadable_ && isOnDisk(QFileInfo(path_)))
        resetKeepingAside();
    writeFile(path_, document.toJson(QJsonDocument::Indented));
    unreadable_ = false;
}

QString LibraryFile::resetKeepingAside()
{
    if (!isOnDisk(QFileInfo(path_))) {
        unreadable_ = false;
        return {};
    }
    const QString aside = asidePath();
    QFile file(path_);
    if (!file.rename(aside))
        throw LibraryError(QStringLiteral("LibraryFileKeepAsideError"), {path_, aside, file.errorString()});
    unreadable_ = false;
    return aside;
}

QByteArray LibraryFile::readFile(const QString& path)
{
    if (QFileInfo(path).isDir())
        throw LibraryError(QStringLiteral("FileFolderError"), {path});
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw LibraryError(QStringLiteral("FileReadError"), {path, file.errorString()});
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        throw LibraryError(QStringLiteral("FileReadError"), {path, file.errorString()});
    return bytes;
}

void LibraryFile::writeFile(const QString& path, const QByteArray& bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw LibraryError(QStringLiteral("FileFolderCreationError"), {path, folder});
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw LibraryError(QStringLiteral("FileWriteError"), {path, file.errorString()});
    // A full disk can end a write short without an error, and commit() would then keep the
    // truncated file.
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || !file.flush()) {
        const LibraryError error =
            file.error() != QFileDevice::NoError
                ? LibraryError(QStringLiteral("FileWriteError"), {path, file.errorString()})
                : LibraryError(QStringLiteral("FileShortWriteError"), {path, written, qint64(bytes.size())});
        file.cancelWriting();
        throw error;
    }
    if (!file.commit())
        throw LibraryError(QStringLiteral("FileWriteError"), {path, file.errorString()});
}

LibraryError LibraryFile::wrongShape(const brisa::DecodingError& error)
{
    unreadable_ = true;
    return contentError(QStringLiteral("LibraryFile"), path_, error);
}

LibraryError LibraryFile::contentError(const QString& fileKind, const QString& path, const brisa::DecodingError& error)
{
    using Kind = brisa::DecodingError::Kind;
    QStringList where = error.codingPath();
    // The decoder names the entry it missed only in its own words; the user needs its place.
    if (error.kind() == Kind::KeyNotFound) {
        static const QRegularExpression missingKey(QStringLiteral("^No value associated with key \"(.*)\"\\.$"));
        if (const auto match = missingKey.match(error.description()); match.hasMatch())
            where.append(match.captured(1));
    }
    if (where.isEmpty())
        return LibraryError(fileKind + QStringLiteral("TopContentError"), {path});
    const QString place = where.join(QStringLiteral(" / "));
    switch (error.kind()) {
    case Kind::TypeMismatch:
        return LibraryError(fileKind + QStringLiteral("WrongValueError"), {path, place});
    case Kind::ValueNotFound:
    case Kind::KeyNotFound:
        return LibraryError(fileKind + QStringLiteral("MissingValueError"), {path, place});
    case Kind::DataCorrupted:
        break;
    }
    // Such a description says what was expected in words of this program ("… this is not a
    // preset file."), one sentence.
    return LibraryError(fileKind + QStringLiteral("InvalidValueError"), {path, place, error.description()});
}

QString LibraryFile::asidePath() const
{
    const QFileInfo info(path_);
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    const QString stem = info.dir().filePath(
        info.completeBaseName() + QStringLiteral(".unreadable-")
        + QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss")));
    QString candidate = stem + suffix;
    for (int n = 2; isOnDisk(QFileInfo(candidate)); ++n)
        candidate = stem + QLatin1Char('-') + QString::number(n) + suffix;
    return candidate;
}

} // namespace halvex
