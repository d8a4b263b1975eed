#include "widgets/LocalizerString.h"

namespace corvelle {

const LocalizerString& LocalizerString::keywordStateYes()
{
    static const LocalizerString value{QStringLiteral("KeywordStateYes")};
    return value;
}

const LocalizerString& LocalizerString::keywordStateNo()
{
    static const LocalizerString value{QStringLiteral("KeywordStateNo")};
    return value;
}

const LocalizerString& LocalizerString::mediaKindMovie()
{
    static const LocalizerString value{QStringLiteral("MediaKindMovie")};
    return value;
}

const LocalizerString& LocalizerString::mediaKindShow()
{
    static const LocalizerString value{QStringLiteral("MediaKindShow")};
    return value;
}

} // namespace corvelle
