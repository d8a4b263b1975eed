#include "platform/brisa/core/DecodingError.h"

namespace brisa {

namespace {

std::string whatText(const QStringList& codingPath, const QString& description)
{
    if (codingPath.isEmpty())
        return description.toStdString();
    const QString text = description + QStringLiteral(" (coding path: ")
        + codingPath.join(QLatin1Char('.')) + QLatin1Char(')');
    return text.toStdString();
}

} // namespace

DecodingError::DecodingError(Kind kind, QStringList codingPath, QString description)
    : std::runtime_error(whatText(codingPath, description)),
      kind_(kind),
      codingPath_(std::move(codingPath)),
      description_(std::move(description))
{
}

} // namespace brisa
