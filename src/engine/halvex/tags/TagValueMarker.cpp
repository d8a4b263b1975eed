#include "engine/halvex/tags/TagValueMarker.h"

namespace halvex {

std::optional<TagValueMarker> tagValueMarker(const std::optional<QString>& value)
{
    if (value == TagValueRestore)
        return TagValueMarker::restore;
    if (value == TagValueClear)
        return TagValueMarker::clear;
    return std::nullopt;
}

namespace {

bool isNoncharacter(char32_t codePoint)
{
    return (codePoint >= 0xFDD0 && codePoint <= 0xFDEF) || (codePoint & 0xFFFE) == 0xFFFE;
}

} // namespace

QString withoutNoncharacters(const QString& text)
{
    // Walks the UTF-16 units so that anything else, a lone surrogate included, stays as it is.
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text.at(i);
        if (unit.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            const QChar low = text.at(i + 1);
            if (!isNoncharacter(QChar::surrogateToUcs4(unit, low)))
                result.append(unit).append(low);
            ++i;
        } else if (!isNoncharacter(unit.unicode())) {
            result.append(unit);
        }
    }
    return result;
}

} // namespace halvex
