#include "widgets/controls/PlaceholderTextView.h"

namespace corvelle {

PlaceholderTextView::PlaceholderTextView(QWidget* parent)
    : QPlainTextEdit(parent)
{
}

std::optional<QString> PlaceholderTextView::placeholderString() const
{
    return placeholder_;
}

void PlaceholderTextView::setPlaceholderString(const std::optional<QString>& placeholder)
{
    placeholder_ = placeholder;
    setPlaceholderText(placeholder.value_or(QString()));
}

} // namespace corvelle
