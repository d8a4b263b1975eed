#pragma once

#include "widgets/controls/TokenField.h"

namespace corvelle {

// A token field whose height follows its content: every row of tokens stays visible without a
// scroller, and the height is asked for again after every edit.
class ResizingTokenField : public TokenField {
    Q_OBJECT
public:
    // Empty space above and below the rows.
    static constexpr int cellVerticalMargin = 2;

    explicit ResizingTokenField(QWidget* parent = nullptr);

    bool hasHeightForWidth() const override;
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    int verticalMargin() const override;
};

} // namespace corvelle
