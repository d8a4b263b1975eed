#include "engine/halvex/tags/StagedValues.h"

#include "engine/halvex/tags/TagEditor.h"

namespace halvex {

namespace {

bool sameNumber(const QString& a, const QString& b)
{
    bool aOk = false;
    bool bOk = false;
    const double x = a.trimmed().toDouble(&aOk);
    const double y = b.trimmed().toDouble(&bOk);
    return aOk && bOk && x == y;
}

} // namespace

std::optional<QString> StagedValues::numericValue(const TagEditor& editor, const ostrak::TagName& tagName)
{
    if (const auto edit = editor.edit(tagName))
        return edit->text();
    if (const auto stored = editor.originalValue(tagName))
        return stored->numericText();
    return std::nullopt;
}

bool StagedValues::stage(TagEditor& editor, const ostrak::TagName& tagName, const std::optional<QString>& value)
{
    if (!value)
        return editor.clearValue(tagName);
    // A folder's edits go to every file in it, whatever the folder itself holds.
    if (const auto stored = editor.originalValue(tagName); !editor.isFolder() && stored && !stored->isBinary() && !stored->isList()) {
        const QString& numeric = stored->numericText();
        if (numeric == *value || sameNumber(numeric, *value))
            return editor.restoreValue(tagName);
    }
    return editor.setValue(*value, tagName);
}

QString StagedValues::decimalText(double value, int decimals)
{
    QString text = QString::number(value, 'f', decimals);
    if (text.contains(QLatin1Char('.'))) {
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
    }
    if (text == QLatin1String("-0"))
        text = QStringLiteral("0");
    return text;
}

} // namespace halvex
