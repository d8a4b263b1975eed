#include "engine/halvex/tags/TagPasteboard.h"

namespace halvex {

TagPasteboard& TagPasteboard::shared()
{
    static TagPasteboard pasteboard;
    return pasteboard;
}

void TagPasteboard::setCopiedTags(const CopiedTags& tags)
{
    QMutexLocker lock(&mutex_);
    copiedTags_ = tags;
}

TagPasteboard::CopiedTags TagPasteboard::copiedTags() const
{
    QMutexLocker lock(&mutex_);
    return copiedTags_;
}

bool TagPasteboard::hasCopiedTags() const
{
    QMutexLocker lock(&mutex_);
    return !copiedTags_.isEmpty();
}

void TagPasteboard::setText(const QString& text)
{
    QMutexLocker lock(&mutex_);
    text_ = text;
}

std::optional<QString> TagPasteboard::text() const
{
    QMutexLocker lock(&mutex_);
    return text_;
}

void TagPasteboard::setCoordinate(const Coordinate& coordinate)
{
    QMutexLocker lock(&mutex_);
    coordinate_ = coordinate;
}

std::optional<Coordinate> TagPasteboard::coordinate() const
{
    QMutexLocker lock(&mutex_);
    return coordinate_;
}

std::function<void()> TagPasteboard::pasteTextWhenRun(std::function<void(const QString& text)> paste) const
{
    return [this, paste = std::move(paste)] {
        if (const std::optional<QString> copied = text())
            paste(*copied);
    };
}

std::function<void()> TagPasteboard::pasteTagsWhenRun(std::function<void(const CopiedTags& tags)> paste) const
{
    return [this, paste = std::move(paste)] {
        const CopiedTags copied = copiedTags();
        if (!copied.isEmpty())
            paste(copied);
    };
}

} // namespace halvex
