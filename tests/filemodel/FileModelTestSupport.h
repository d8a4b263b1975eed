#pragma once

#include "engine/halvex/TagEditorTestSupport.h"
#include "filemodel/MetadataFile.h"
#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/core/SelectableArrayEdition.h"

#include <QStringList>

#include <memory>
#include <utility>

namespace corvelle::test {

// A file held in memory only: a tag editor over values filled here, its source at `path`.
inline MetadataFilePointer memoryFile(const QString& path,
                                      const QList<std::pair<ostrak::TagName, QString>>& values = {})
{
    halvex::TagStorage storage(halvex::TagStorageSource(QUrl::fromLocalFile(path)));
    for (const auto& [name, text] : values)
        storage.setValue(name, halvex::TagValue(text));
    return std::make_shared<MetadataFile>(std::make_shared<halvex::TagEditor>(storage));
}

// The fixtures opened as the editor window opens files, in the order given.
inline QList<MetadataFilePointer> openedFixtures(const QStringList& names)
{
    QStringList paths;
    for (const QString& name : names)
        paths.append(fixturePath(name));
    const auto task = halvex::test::importFiles(paths, nullptr);
    QList<MetadataFilePointer> files;
    for (const auto& editor : task->editors())
        files.append(std::make_shared<MetadataFile>(editor));
    if (files.size() != names.size())
        qFatal("not every fixture opened");
    return files;
}

inline QString describe(const brisa::IndexSet& indexes)
{
    QStringList positions;
    for (int index : indexes)
        positions.append(QString::number(index));
    return QLatin1Char('{') + positions.join(QLatin1Char(',')) + QLatin1Char('}');
}

// An edition as the tests compare it: its kind and its payload.
inline QString describe(const brisa::SelectableArrayEdition& edition)
{
    using Kind = brisa::SelectableArrayEdition::Kind;
    switch (edition.kind()) {
    case Kind::Insertion:
        return QStringLiteral("insertion %1 at %2").arg(edition.count()).arg(edition.index());
    case Kind::Replacement:
        return QStringLiteral("replacement %1").arg(edition.index());
    case Kind::Removal:
        return QStringLiteral("removal ") + describe(edition.indexes());
    case Kind::Move:
        return QStringLiteral("move %1 to %2").arg(describe(edition.indexes())).arg(edition.destination());
    case Kind::Selection:
        return QStringLiteral("selection ") + describe(edition.indexes());
    case Kind::Reload:
        return QStringLiteral("reload ") + describe(edition.indexes());
    }
    return {};
}

} // namespace corvelle::test
