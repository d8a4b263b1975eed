#pragma once

#include "engine/ostrak/TagDatabaseContents.h"
#include "engine/ostrak/TagItemData.h"

#include <QHash>
#include <QXmlStreamReader>

#include <memory>

namespace ostrak {

// Reads the XML of `exiftool -listx` piece by piece, as it arrives, into tag items. ExifTool lists
// some tags several times under one group and name (variants for other models or atoms); the
// writable variant that ExifTool does not avoid stands for them all.
class TagListParser {
public:
    TagListParser();

    void addData(const QByteArray& data);
    // Call when no more data comes. False, with errorString(), when the XML is broken or empty.
    bool finish();
    QString errorString() const;

    TagDatabaseContents takeContents();

private:
    struct Table {
        QString family0, family1, family2;
    };

    void parseAvailable();
    void startTable();
    void startTag();
    void endTag();

    QXmlStreamReader reader_;
    Table table_;
    std::shared_ptr<TagItemData> tag_;
    int rank_ = 0;
    int valueBlocks_ = 0;
    QString storageType_;
    QString keyValue_;
    enum class Text { None, TagDescription, ChoiceDescription } text_ = Text::None;
    QHash<TagName, std::pair<qsizetype, int>> seen_; // index in the list and rank of the kept variant
    QList<std::shared_ptr<TagItemData>> records_;
    int tableCount_ = 0;
    QString error_;
};

} // namespace ostrak
