#include "engine/ostrak/ETSettings.h"

#include "engine/ostrak/TagDatabase.h"

#include <algorithm>

namespace ostrak {

ETSettings& ETSettings::shared()
{
    static ETSettings settings;
    return settings;
}

QString ETSettings::backupFolder() const
{
    QReadLocker locker(&lock_);
    return backupFolder_;
}

void ETSettings::setBackupFolder(const QString& path)
{
    QWriteLocker locker(&lock_);
    backupFolder_ = path;
}

int ETSettings::quickTimeKeysLevel() const
{
    QReadLocker locker(&lock_);
    return keysLevel_;
}

void ETSettings::setQuickTimeKeysLevel(int level)
{
    QWriteLocker locker(&lock_);
    keysLevel_ = level;
}

int ETSettings::quickTimeItemListLevel() const
{
    QReadLocker locker(&lock_);
    return itemListLevel_;
}

void ETSettings::setQuickTimeItemListLevel(int level)
{
    QWriteLocker locker(&lock_);
    itemListLevel_ = level;
}

int ETSettings::quickTimeUserDataLevel() const
{
    QReadLocker locker(&lock_);
    return userDataLevel_;
}

void ETSettings::setQuickTimeUserDataLevel(int level)
{
    QWriteLocker locker(&lock_);
    userDataLevel_ = level;
}

QStringList ETSettings::quickTimeGroupsToWrite(const QString& tagName, const TagDatabase& database) const
{
    struct Block {
        QString group;
        int level;
    };
    // Equal levels keep ExifTool's own order of preference.
    QList<Block> blocks;
    {
        QReadLocker locker(&lock_);
        blocks = {{QStringLiteral("ItemList"), itemListLevel_},
                  {QStringLiteral("UserData"), userDataLevel_},
                  {QStringLiteral("Keys"), keysLevel_}};
    }
    blocks.removeIf([&](const Block& block) {
        const auto item = database.item(TagName(block.group, tagName));
        return !item || !item->isWritable();
    });
    std::stable_sort(blocks.begin(), blocks.end(), [](const Block& a, const Block& b) { return a.level > b.level; });
    const bool anyPreferred = std::any_of(blocks.begin(), blocks.end(), [](const Block& b) { return b.level > 0; });
    QStringList groups;
    for (const Block& block : std::as_const(blocks)) {
        if (block.level > 0 || !anyPreferred)
            groups.append(block.group);
    }
    return groups;
}

QStringList ETSettings::quickTimeGroupsToWrite(const QString& tagName) const
{
    return quickTimeGroupsToWrite(tagName, TagDatabase::shared());
}

} // namespace ostrak
