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

QMimeData* FileRowDragData::make(const QString& type, const brisa::IndexSet& rows)
{
    QByteArray archive;
    QDataStream stream(&archive, QIODevice::WriteOnly);
    stream << qint32(rows.count());
    for (int row : rows)
        stream << qint32(row);
    auto* data = new QMimeData;
    data->setData(type, archive);
    return data;
}

std::optional<brisa::IndexSet> FileRowDragData::rows(const QMimeData* data, const QString& type)
{
    if (!data || !data->hasFormat(type))
        return std::nullopt;
    const QByteArray archive = data->data(type);
    QDataStream stream(archive);
    qint32 count = 0;
    stream >> count;
    if (stream.status() != QDataStream::Ok || count < 0 || qint64(count) * 4 > archive.size())
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

} // namespace corvelle
