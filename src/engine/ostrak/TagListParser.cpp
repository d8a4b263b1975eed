#include "engine/ostrak/TagListParser.h"

#include "engine/ostrak/TagTypeRules.h"

#include <QSet>

namespace ostrak {

namespace {

TagItem::Flags parseFlags(QStringView text, TagItem::ListKind* listKind)
{
    TagItem::Flags flags;
    for (const QStringView flag : text.split(u',', Qt::SkipEmptyParts)) {
        if (flag == u"List")
            *listKind = TagItem::ListKind::List;
        else if (flag == u"Bag")
            *listKind = TagItem::ListKind::Bag;
        else if (flag == u"Seq")
            *listKind = TagItem::ListKind::Seq;
        else if (flag == u"Alt")
            *listKind = TagItem::ListKind::Alt;
        else if (flag == u"Avoid")
            flags |= TagItem::Avoid;
        else if (flag == u"Unsafe")
            flags |= TagItem::Unsafe;
        else if (flag == u"Protected")
            flags |= TagItem::Protected;
        else if (flag == u"Binary")
            flags |= TagItem::BinaryData;
        else if (flag == u"Unknown")
            flags |= TagItem::UnknownTag;
        else if (flag == u"Permanent")
            flags |= TagItem::Permanent;
        else if (flag == u"Mandatory")
            flags |= TagItem::Mandatory;
        else if (flag == u"Flattened")
            flags |= TagItem::Flattened;
    }
    return flags;
}

QString attribute(const QXmlStreamAttributes& attributes, QLatin1String name, const QString& fallback = {})
{
    return attributes.hasAttribute(name) ? attributes.value(name).toString() : fallback;
}

} // namespace

TagListParser::TagListParser() = default;

void TagListParser::addData(const QByteArray& data)
{
    reader_.addData(data);
    parseAvailable();
}

bool TagListParser::finish()
{
    parseAvailable();
    if (reader_.error() == QXmlStreamReader::PrematureEndOfDocumentError) {
        error_ = QStringLiteral("the tag list ends early (line %1)").arg(reader_.lineNumber());
        return false;
    }
    if (!error_.isEmpty())
        return false;
    if (records_.isEmpty()) {
        error_ = QStringLiteral("the tag list holds no tags");
        return false;
    }
    return true;
}

QString TagListParser::errorString() const
{
    return error_;
}

TagDatabaseContents TagListParser::takeContents()
{
    TagDatabaseContents contents;
    contents.tableCount = tableCount_;
    contents.items.reserve(records_.size());
    for (auto& record : records_)
        contents.items.append(TagItem(std::move(record)));
    records_.clear();
    seen_.clear();
    return contents;
}

void TagListParser::parseAvailable()
{
    while (error_.isEmpty() && !reader_.atEnd()) {
        switch (reader_.readNext()) {
        case QXmlStreamReader::StartElement: {
            const QStringView name = reader_.name();
            if (name == u"table")
                startTable();
            else if (name == u"tag")
                startTag();
            else if (tag_ && name == u"desc")
                text_ = Text::TagDescription;
            else if (tag_ && name == u"key")
                keyValue_ = reader_.attributes().value(QLatin1String("id")).toString();
            else if (tag_ && name == u"val") {
                tag_->choices.append({keyValue_, QString()});
                text_ = Text::ChoiceDescription;
            } else if (tag_ && name == u"values")
                ++valueBlocks_;
            break;
        }
        case QXmlStreamReader::Characters:
            if (text_ == Text::TagDescription)
                tag_->description += reader_.text();
            else if (text_ == Text::ChoiceDescription)
                tag_->choices.last().second += reader_.text();
            break;
        case QXmlStreamReader::EndElement: {
            const QStringView name = reader_.name();
            if (name == u"tag")
                endTag();
            text_ = Text::None;
            break;
        }
        case QXmlStreamReader::Invalid:
            if (reader_.error() != QXmlStreamReader::PrematureEndOfDocumentError)
                error_ = QStringLiteral("the tag list is not valid XML (line %1: %2)")
                             .arg(reader_.lineNumber())
                             .arg(reader_.errorString());
            return;
        default:
            break;
        }
    }
}

void TagListParser::startTable()
{
    const QXmlStreamAttributes attributes = reader_.attributes();
    table_ = {attribute(attributes, QLatin1String("g0")), attribute(attributes, QLatin1String("g1")), attribute(attributes, QLatin1String("g2"))};
    ++tableCount_;
}

void TagListParser::startTag()
{
    const QXmlStreamAttributes attributes = reader_.attributes();
    tag_ = std::make_shared<TagItemData>();
    tag_->name = TagName(attribute(attributes, QLatin1String("g1"), table_.family1), attribute(attributes, QLatin1String("name")));
    tag_->family0 = attribute(attributes, QLatin1String("g0"), table_.family0);
    tag_->family2 = attribute(attributes, QLatin1String("g2"), table_.family2);
    tag_->tagId = attribute(attributes, QLatin1String("id"));
    tag_->writable = attributes.value(QLatin1String("writable")) == u"true";
    tag_->count = attributes.value(QLatin1String("count")).toInt();
    tag_->flags = parseFlags(attributes.value(QLatin1String("flags")), &tag_->listKind);
    storageType_ = attribute(attributes, QLatin1String("type"));
    valueBlocks_ = 0;
    rank_ = (tag_->writable ? 0 : 2) + (tag_->flags.testFlag(TagItem::Avoid) ? 1 : 0);
}

void TagListParser::endTag()
{
    if (!tag_)
        return;
    if (valueBlocks_ > 1) {
        // Variants of one tag list their own choices; keep each stored value once.
        QSet<QString> values;
        tag_->choices.removeIf([&](const auto& choice) {
            if (values.contains(choice.first))
                return true;
            values.insert(choice.first);
            return false;
        });
    }
    TagTypeRules::Facts facts;
    facts.family0 = tag_->family0;
    facts.family1 = tag_->name.group();
    facts.family2 = tag_->family2;
    facts.name = tag_->name.name();
    facts.storageType = storageType_;
    facts.count = tag_->count;
    facts.flags = tag_->flags;
    facts.choices = &tag_->choices;
    tag_->type = TagTypeRules::typeOf(facts);

    const auto found = seen_.constFind(tag_->name);
    if (found == seen_.cend()) {
        seen_.insert(tag_->name, {records_.size(), rank_});
        records_.append(std::move(tag_));
    } else if (rank_ < found->second) {
        const qsizetype index = found->first;
        seen_[tag_->name] = {index, rank_};
        records_[index] = std::move(tag_);
    }
    tag_.reset();
}

} // namespace ostrak
