#include "widgets/controls/ResizingTokenField.h"

namespace corvelle {

ResizingTokenField::ResizingTokenField(QWidget* parent)
    : TokenField(parent)
{
    QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

bool ResizingTokenField::hasHeightForWidth() const
{
    return true;
}

int ResizingTokenField::heightForWidth(int width) const
{
    return contentHeightForWidth(width);
}

QSize ResizingTokenField::sizeHint() const
{
    const QSize base = TokenField::sizeHint();
    return QSize(base.width(), heightForWidth(width() > 0 ? width() : base.width()));
}

QSize ResizingTokenField::minimumSizeHint() const
{
    return QSize(TokenField::minimumSizeHint().width(), sizeHint().height());
}

int ResizingTokenField::verticalMargin() const
{
    return cellVerticalMargin;
}

} // namespace corvelle
