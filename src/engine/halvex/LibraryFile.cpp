#include "engine/halvex/LibraryFile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
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

// Why the file cannot be read; empty when `bytes` holds it.
QString readInto(const QString& path, QByteArray& bytes)
{
    if (QFileInfo(path).isDir())
        return QStringLiteral("it is a folder, not a file");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return file.errorString();
    bytes = file.readAll();
    return file.error() == QFileDevice::NoError ? QString() : file.errorString();
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
    QByteArray bytes;
    if (const QString failure = readInto(path_, bytes); !failure.isEmpty())
        throw unreadable(failure);
    if (bytes.trimmed().isEmpty())
        throw unreadable(QStringLiteral("it is empty"));

    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &error);
    if (error.error != QJsonParseError::NoError) {
        const auto [line, column] = lineAndColumn(bytes, error.offset);
        throw unreadable(QStringLiteral("it is not valid JSON (%1 at line %2, column %3)")
                             .arg(error.errorString())
                             .arg(line)
                             .arg(column));
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
    if (!file.rename(aside)) {
        throw LibraryError(QStringLiteral("The library file \"%1\" could not be kept aside as \"%2\": %3. "
                                          "It was left as it was.")
                               .arg(path_, aside, file.errorString()));
    }
    unreadable_ = false;
    return aside;
}

QByteArray LibraryFile::readFile(const QString& path)
{
    QByteArray bytes;
    if (const QString failure = readInto(path, bytes); !failure.isEmpty())
        throw LibraryError(QStringLiteral("The file \"%1\" cannot be read: %2.").arg(path, failure));
    return bytes;
}

void LibraryFile::writeFile(const QString& path, const QByteArray& bytes)
{
    const auto failure = [&path](const QString& reason) {
        return LibraryError(QStringLiteral("The file \"%1\" could not be written: %2.").arg(path, reason));
    };
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        throw failure(QStringLiteral("its folder \"%1\" cannot be created").arg(folder));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw failure(file.errorString());
    // A full disk can end a write short without an error, and commit() would then keep the
    // truncated file.
    const qint64 written = file.write(bytes);
    if (written != bytes.size() || !file.flush()) {
        const QString reason = file.error() != QFileDevice::NoError
                                   ? file.errorString()
                                   : QStringLiteral("only %1 of %2 bytes could be written").arg(written).arg(bytes.size());
        file.cancelWriting();
        throw failure(reason);
    }
    if (!file.commit())
        throw failure(file.errorString());
}

LibraryError LibraryFile::unreadable(const QString& reason)
{
    unreadable_ = true;
    return LibraryError(QStringLiteral("The library file \"%1\" cannot be read: %2.").arg(path_, reason));
}

LibraryError LibraryFile::wrongShape(const brisa::DecodingError& error)
{
    const QString where = error.codingPath().isEmpty()
                              ? QString()
                              : QStringLiteral(" at %1").arg(error.codingPath().join(QStringLiteral(" / ")));
    return unreadable(QStringLiteral("its content is not what was expected%1 (%2)").arg(where, error.description()));
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
