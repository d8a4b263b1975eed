#pragma once

#include "editor/FileItemTableCellView.h"

class QLabel;

namespace corvelle {

// A cell showing one line of text, cut at its end when it is too long.
class FileTextTableCellView : public FileItemTableCellView {
    Q_OBJECT

public:
    explicit FileTextTableCellView(QWidget* parent = nullptr);

    QLabel* textTextField() const { return textTextField_; }
    QString text() const;
    void setText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    // The text as far as it fits, with an ellipsis where it is cut.
    void showText();

    QLabel* textTextField_;
    QString fullText_;
};

} // namespace corvelle
