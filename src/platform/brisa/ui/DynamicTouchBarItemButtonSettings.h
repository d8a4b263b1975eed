#pragma once

#include <QColor>
#include <QString>

#include <functional>

namespace brisa {

// What a touch-bar button shows and does. Fields left alone keep these defaults.
class DynamicTouchBarItemButtonSettings {
public:
    // The width every text button of the program's touch bars asks for.
    static constexpr double standardWidth = 160.0;

    QString title;
    QString symbolName;
    // The target-action pair; hold the target weakly in the closure.
    std::function<void()> action;
    // 0: the button's natural width.
    double width = 0.0;
    // Invalid: the default bezel.
    QColor bezelColor;

    // The colour of the control accent, the bezel of a sheet's default button.
    static QColor accentColor();
};

} // namespace brisa
