#include "engine/ostrak/ExifToolResult.h"

#include <QRegularExpression>
#include <QStringList>

namespace ostrak {

QString ExifToolResult::errorText() const
{
    if (!error.isEmpty())
        return error.text();
    QStringList lines;
    for (const QString& line : errorOutput.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        if (line.startsWith(QLatin1String("Error")))
            lines.append(line.trimmed());
    }
    return lines.join(QLatin1Char('\n'));
}

void ExifToolResult::parseSummary()
{
    static const QRegularExpression pattern(QStringLiteral(
        "^\\s*(\\d+) (image files updated|image files unchanged|image files created|"
        "files weren't updated due to errors|files weren't created due to errors)\\s*$"),
        QRegularExpression::MultilineOption);

    // The summary closes the output, so its tail is enough (the output may be a large binary).
    constexpr qsizetype summaryTail = 4096;
    updated = unchanged = failed = created = 0;
    for (const QString& text : {QString::fromUtf8(output.right(summaryTail)), errorOutput}) {
        auto matches = pattern.globalMatch(text);
        while (matches.hasNext()) {
            const auto match = matches.next();
            const int count = match.captured(1).toInt();
            const QStringView what = match.capturedView(2);
            if (what == QLatin1String("image files updated"))
                updated += count;
            else if (what == QLatin1String("image files unchanged"))
                unchanged += count;
            else if (what == QLatin1String("image files created"))
                created += count;
            else
                failed += count;
        }
    }
}

ExifToolResult ExifToolResult::failure(State state, ExifToolMessage error)
{
    ExifToolResult result;
    result.state = state;
    result.error = std::move(error);
    return result;
}

} // namespace ostrak
