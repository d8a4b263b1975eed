#pragma once

#include <QProxyStyle>

namespace corvelle {

// The style of a table whose rows are drawn by ContentTableRowView: the rows draw their own
// selection (a card's outline) and focus, so the style draws no selection band and no focus
// frame behind or around them; everything else is the application's style.
class ContentTableViewStyle : public QProxyStyle {
    Q_OBJECT

public:
    explicit ContentTableViewStyle(QObject* parent = nullptr);

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
};

} // namespace corvelle
