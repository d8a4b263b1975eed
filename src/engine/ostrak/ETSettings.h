#pragma once

#include <QReadWriteLock>
#include <QString>
#include <QStringList>

namespace ostrak {

class TagDatabase;

// Engine settings for writing with ExifTool. Set on the main thread at start-up and from the
// preferences; read by tasks on their threads.
class ETSettings {
public:
    static constexpr int defaultQuickTimeKeysLevel = 2;
    static constexpr int defaultQuickTimeItemListLevel = 0;
    static constexpr int defaultQuickTimeUserDataLevel = 1;

    static ETSettings& shared();

    ETSettings() = default;
    ETSettings(const ETSettings&) = delete;
    ETSettings& operator=(const ETSettings&) = delete;

    // Where originals are copied before a file is written.
    QString backupFolder() const;
    void setBackupFolder(const QString& path);

    // How much each QuickTime block is preferred when a QuickTime tag is written without naming
    // its block: higher first; 0 means never unless no preferred block holds the tag.
    int quickTimeKeysLevel() const;
    void setQuickTimeKeysLevel(int level);
    int quickTimeItemListLevel() const;
    void setQuickTimeItemListLevel(int level);
    int quickTimeUserDataLevel() const;
    void setQuickTimeUserDataLevel(int level);

    // The blocks ("Keys", "ItemList", "UserData") to write a QuickTime tag to, most preferred
    // first: every block with a level above 0 that has the tag writable; when none has, the
    // blocks at level 0 that have it. Empty when no block can hold the tag.
    QStringList quickTimeGroupsToWrite(const QString& tagName, const TagDatabase& database) const;
    QStringList quickTimeGroupsToWrite(const QString& tagName) const;

private:
    mutable QReadWriteLock lock_;
    QString backupFolder_;
    int keysLevel_ = defaultQuickTimeKeysLevel;
    int itemListLevel_ = defaultQuickTimeItemListLevel;
    int userDataLevel_ = defaultQuickTimeUserDataLevel;
};

} // namespace ostrak
