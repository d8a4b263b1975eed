#include "filemodel/FileRowDragData.h"

#include <QDataStream>
#include <QMimeData>
#include <QUuid>

namespace corvelle {

QString FileRowDragData::privateType(const QString& name)
{
    static const QString launch = QUuid::createUuid().toString(QUuid::WithoutBraces);
    return QStringLiteral("application/x-corvelle-%1-%2").arg(name, launch);
}

namespace {

void writeRows(QDataStream& stream, const brisa::IndexSet& rows)
{
    stream << qint32(rows.count());
    for (int row : rows)
        stream << qint32(row);
}

std::optional<brisa::IndexSet> readRows(QDataStream& stream, qint64 available)
{
    qint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok || count < 0 || qint64(count) * 4 > available)
        return std::nullopt;
    brisa::IndexSet rows;
    for (qint32 i = 0; i < count; ++i) {
        qint32 row = -1;
        stream >> row;
        if (stream.status() != QDataStream::Ok || row < 0)
            return std::nullopt;
        rows.insert(row);
    }
    return rows;
}

QMimeData* mimeDataOf(const QString& type, const QByteArray& archive)
{
    auto* data = new QMimeData;
    data->setData(type, archive);
    return data;
}

} // namespace

QMimeData* FileRowDragData::make(const QString& type, const brisa::IndexSet& rows)
{
    QByteArray archive;
    QDataStream stream(&archive, QIODevice::WriteOnly);
    writeRows(stream, rows);
    return mimeDataOf(type, archive);
}

std::optional<brisa::IndexSet> FileRowDragData::rows(const QMimeData* data, const QString& type)
{
    if (!data || !data->hasFormat(type))
        return std::nullopt;
    const QByteArray archive = data->data(type);
    QDataStream stream(archive);
    return readRows(stream, archive.size());
}

QMimeData* FileRowDragData::make(const QString& type, const brisa::IndexSet& rows, const void* source)
{
    QByteArray archive;
    QDataStream stream(&archive, QIODevice::WriteOnly);
    stream << quint64(quintptr(source));
    writeRows(stream, rows);
    return mimeDataOf(type, archive);
}

std::optional<brisa::IndexSet> FileRowDragData::rows(const QMimeData* data, const QString& type, const void* source)
{
    if (!data || !data->hasFormat(type))
        return std::nullopt;
    const QByteArray archive = data->data(type);
    QDataStream stream(archive);
    quint64 from = 0;
    stream >> from;
    if (stream.status() != QDataStream::Ok || from != quint64(quintptr(source)))
        return std::nullopt;
    return readRows(stream, archive.size());
}

} // namespace corvelle
