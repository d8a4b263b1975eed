#pragma once

#include "platform/brisa/ui/DynamicTouchBarItemButtonSettings.h"

#include <functional>
#include <memory>

namespace brisa {

// One item of a touch bar: a button described by its settings, or a flexible space.
// Linux has no touch-bar hardware, so nothing is drawn; the item keeps its enabled state,
// set by its update closure on every reload, and runs its action when performed while enabled.
class DynamicTouchBarItem {
public:
    using Configure = std::function<void(DynamicTouchBarItemButtonSettings& settings)>;
    using Update = std::function<void(DynamicTouchBarItem& item)>;

    enum class Kind { Button, FlexibleSpace };

    static std::unique_ptr<DynamicTouchBarItem> createButton(const Configure& configure, Update update = {});
    static std::unique_ptr<DynamicTouchBarItem> flexibleSpace();

    DynamicTouchBarItem(const DynamicTouchBarItem&) = delete;
    DynamicTouchBarItem& operator=(const DynamicTouchBarItem&) = delete;

    Kind kind() const { return kind_; }
    bool isFlexibleSpace() const { return kind_ == Kind::FlexibleSpace; }
    const DynamicTouchBarItemButtonSettings& settings() const { return settings_; }

    bool isEnabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

    void update();
    // Runs the action, as a press of the button would; false when disabled or without action.
    bool perform();

private:
    DynamicTouchBarItem(Kind kind, Update update);

    Kind kind_;
    Update update_;
    DynamicTouchBarItemButtonSettings settings_;
    bool enabled_ = true;
};

} // namespace brisa
