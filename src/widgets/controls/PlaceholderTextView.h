#pragma once

#include <QPlainTextEdit>

#include <optional>

namespace corvelle {

// A text view that shows a placeholder, in the placeholder colour, while its text is empty.
// It starts with no placeholder.
class PlaceholderTextView : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit PlaceholderTextView(QWidget* parent = nullptr);

    // Nothing when no placeholder is set; setting nothing removes it.
    std::optional<QString> placeholderString() const;
    void setPlaceholderString(const std::optional<QString>& placeholder);

private:
    std::optional<QString> placeholder_;
};

} // namespace corvelle
