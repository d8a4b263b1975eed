#pragma once

#include <QString>

#include <functional>
#include <memory>

class QAction;
class QWidget;
class QWidgetAction;

namespace brisa {

// One item of a dynamic toolbar: a view shown in the QToolBar through its own action, and an
// update closure that the toolbar runs on every reload to set the item's state.
class DynamicToolbarItem {
public:
    using CreateView = std::function<QWidget*()>;
    using Update = std::function<void(DynamicToolbarItem& item, QWidget* view)>;

    // The identifier of the plain item that takes all free room between its neighbours.
    static const QString flexibleSpaceIdentifier;

    // Takes ownership of `view` (null for an item without a view).
    DynamicToolbarItem(const QString& identifier, bool isNavigational, const QString& displayName,
                       QWidget* view, Update update = {});
    ~DynamicToolbarItem();
    DynamicToolbarItem(const DynamicToolbarItem&) = delete;
    DynamicToolbarItem& operator=(const DynamicToolbarItem&) = delete;

    static std::unique_ptr<DynamicToolbarItem> makeFlexibleSpace();

    QString identifier() const { return identifier_; }
    bool isNavigational() const { return isNavigational_; }
    QString displayName() const { return displayName_; }
    bool isFlexibleSpace() const { return identifier_ == flexibleSpaceIdentifier; }

    QWidget* view() const;
    QAction* action() const;

    bool isEnabled() const;
    void setEnabled(bool enabled);
    bool isHidden() const;
    void setHidden(bool hidden);
    QString label() const;
    void setLabel(const QString& label);

    // Runs the update closure, when there is one.
    void update();

private:
    QString identifier_;
    bool isNavigational_;
    QString displayName_;
    Update update_;
    std::unique_ptr<QWidgetAction> action_;
};

} // namespace brisa
