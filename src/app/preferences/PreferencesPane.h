#pragma once

#include "app/settings/AdvancedSettings.h"
#include "filemodel/settings/EditionSettings.h"
#include "filemodel/settings/IPTCDigestUpdateTitle.h"
#include "map/MapSettings.h"
#include "platform/almira/PreferencePanel.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/ComboBoxCaseList.h"
#include "platform/brisa/ui/DynamicTouchBar.h"
#include "widgets/settings/GeneralSettings.h"

#include <QComboBox>
#include <QLabel>
#include <QObject>
#include <QPointer>

#include <memory>

namespace brisa {
class NoteSubscriber;
struct Notification;
} // namespace brisa

namespace corvelle {

// What the preferences panes share: their toolbar entry, the view made from their form on
// first request, the touch bar with its close button, and the following of the settings they
// show. A pane never sets a control after its own write: the write posts didSetKeyNotification
// and the control follows from there, as it does for a write made anywhere else.
class PreferencesPane : public QObject, public almira::PreferencePanel {
    Q_OBJECT

public:
    ~PreferencesPane() override;

    QWidget* view() override;
    QString identifier() const override;
    QString title() const override;
    QIcon image() const override;
    QString toolTip() const override;

    bool isViewLoaded() const { return !view_.isNull(); }
    QList<brisa::DynamicTouchBarItem*> makeTouchBar();

public Q_SLOTS:
    // Closes the window that holds the pane.
    void close();

protected:
    // `name` gives the pane's identifier ("<name>PreferencesPanelID"), its title and tool-tip
    // keys ("<name>PreferencesTitle", "<name>PreferencesToolTip") and its image ("<name>PrefIcon").
    explicit PreferencesPane(const QString& name);

    // Makes the view from the pane's form.
    virtual QWidget* loadView() = 0;
    // Runs once, right after loadView().
    virtual void viewDidLoad() = 0;
    // A setting was written; `keyName` is never empty.
    virtual void settingDidChange(const QString& keyName) = 0;

    void buildTouchBar();
    void subscribeToSettings();

    static brisa::UserDefaults& defaults() { return brisa::UserDefaults::standard(); }

    // A new view set up by the form (a uic class), which `form` then holds.
    template<class Form>
    static QWidget* makeView(std::unique_ptr<Form>& form)
    {
        auto* view = new QWidget;
        form = std::make_unique<Form>();
        form->setupUi(view);
        return view;
    }

    template<class E>
    static void setCaseList(QComboBox* box)
    {
        brisa::ComboBoxCaseList::setCaseList(box, brisa::allCases<E>(), [](E value) { return corvelle::title(value); });
    }

    // Selects the stored case (the key's default when nothing usable is stored).
    template<class E>
    static void showSetting(QComboBox* box, const Settings::EnumKey<E>& key)
    {
        brisa::ComboBoxCaseList::selectCase(box, brisa::UserDefaults::standard().value(key));
    }

    // Stores the chosen case, or `unselected` when the box shows none.
    template<class E>
    static void storeSelection(const QComboBox* box, const Settings::EnumKey<E>& key, E unselected)
    {
        brisa::UserDefaults::standard().set(key, brisa::ComboBoxCaseList::selectedCase<E>(box).value_or(unselected));
    }

    // Shows a label as a quiet explanatory note under the controls it explains.
    static void showAsNote(QLabel* label);

    struct TaggedItem {
        const char* titleKey;
        int tag;
    };
    // Items whose data is their integer tag, as pop-ups with tagged items have.
    static void setTaggedItems(QComboBox* box, std::initializer_list<TaggedItem> items);
    // Selects the item with that tag; none when no item has it.
    static void selectItemWithTag(QComboBox* box, int tag);
    // The tag of the chosen item; -1 when none is chosen.
    static int selectedTag(const QComboBox* box);

private:
    void handleSettingsNote(const brisa::Notification& note);

    QString name_;
    brisa::DynamicTouchBar dynamicTouchBar_;
    std::unique_ptr<brisa::NoteSubscriber> userDefaultsDidSetKeySubscriber_;
    QPointer<QWidget> view_;
};

} // namespace corvelle
