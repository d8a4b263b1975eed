#include "engine/ostrak/ETPathFilter.h"

#include <QRegularExpression>

namespace ostrak {

ETPathFilter::ETPathFilter(QStringList paths)
    : paths_(std::move(paths))
{
}

bool ETPathFilter::matches(const QString& relativePath) const
{
    if (paths_.isEmpty())
        return true;
    const QString fileName = relativePath.section(QLatin1Char('/'), -1);
    for (const QString& pattern : paths_) {
        const QString trimmed = pattern.trimmed();
        if (trimmed.isEmpty())
            continue;
        const bool byPath = trimmed.contains(QLatin1Char('/'));
        const QRegularExpression expression(QRegularExpression::wildcardToRegularExpression(trimmed),
                                            QRegularExpression::CaseInsensitiveOption);
        if (expression.match(byPath ? relativePath : fileName).hasMatch())
            return true;
    }
    return false;
}

} // namespace ostrak
