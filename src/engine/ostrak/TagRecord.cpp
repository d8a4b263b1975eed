#include "engine/ostrak/TagRecord.h"

namespace ostrak {

QString TagRecord::key() const
{
    QString text = group;
    if (copy > 0)
        text += QStringLiteral(":Copy") + QString::number(copy);
    return text + QLatin1Char(':') + name;
}

} // namespace ostrak
