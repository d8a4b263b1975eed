#include "app/preferences/PreferencesPane.h"

#include "platform/brisa/core/NoteSubscriber.h"
#include "platform/brisa/ui/DynamicTouchBarItemButtonSettings.h"
#include "platform/brisa/ui/SymbolIcons.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include <QHash>
#include <QSignalBlocker>
#include <QWidget>

namespace corvelle {

namespace {

// The panes share one width, so that the window keeps its width from pane to pane.
constexpr int paneMinimumWidth = 580;

// The theme icons that stand for the panes' named images.
QString themeIconForImage(const QString& imageName)
{
    static const QHash<QString, QString> icons = {
        {QStringLiteral("GeneralPrefIcon"), QStringLiteral("preferences-system")},
        {QStringLiteral("EditionPrefIcon"), QStringLiteral("accessories-text-editor")},
        {QStringLiteral("AdvancedPrefIcon"), QStringLiteral("system-run")},
        {QStringLiteral("ServicesPrefIcon"), QStringLiteral("network-workgroup")},
    };
    return icons.value(imageName);
}

} // namespace

PreferencesPane::PreferencesPane(const QString& name)
    : name_(name)
{
}

PreferencesPane::~PreferencesPane()
{
    // Stopped first: no note may reach a pane that is going away.
    userDefaultsDidSetKeySubscriber_.reset();
    delete view_;
}

QWidget* PreferencesPane::view()
{
    if (!view_) {
        view_ = loadView();
        view_->setMinimumWidth(paneMinimumWidth);
        FormTexts::localize(view_);
        viewDidLoad();
    }
    return view_;
}

QString PreferencesPane::identifier() const
{
    return name_ + QStringLiteral("PreferencesPanelID");
}

QString PreferencesPane::title() const
{
    return localizedString(name_ + QStringLiteral("PreferencesTitle"));
}

QIcon PreferencesPane::image() const
{
    const QString themeIcon = themeIconForImage(name_ + QStringLiteral("PrefIcon"));
    if (themeIcon.isEmpty())
        return {};
    brisa::SymbolIcons::ensureTheme();
    return QIcon::fromTheme(themeIcon);
}

QString PreferencesPane::toolTip() const
{
    return localizedString(name_ + QStringLiteral("PreferencesToolTip"));
}

QList<brisa::DynamicTouchBarItem*> PreferencesPane::makeTouchBar()
{
    return dynamicTouchBar_.touchBar();
}

void PreferencesPane::close()
{
    if (view_ && view_->window())
        view_->window()->close();
}

void PreferencesPane::buildTouchBar()
{
    brisa::DynamicTouchBarItemSet& items = dynamicTouchBar_.addItemSet({});
    items.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    QPointer<PreferencesPane> pane = this;
    items.addItem([pane](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("GeneralPreferencesCloseTouchBar"));
        settings.width = brisa::DynamicTouchBarItemButtonSettings::standardWidth;
        settings.action = [pane] {
            if (pane)
                pane->close();
        };
    });
}

void PreferencesPane::subscribeToSettings()
{
    if (!userDefaultsDidSetKeySubscriber_)
        userDefaultsDidSetKeySubscriber_ = std::make_unique<brisa::NoteSubscriber>();
    userDefaultsDidSetKeySubscriber_->subscribe(brisa::UserDefaults::didSetKeyNotification,
                                                &brisa::UserDefaults::standard(),
                                                [this](const brisa::Notification& note) { handleSettingsNote(note); });
}

void PreferencesPane::handleSettingsNote(const brisa::Notification& note)
{
    const QString keyName = brisa::UserDefaults::editedKeyName(note);
    if (!keyName.isEmpty() && view_)
        settingDidChange(keyName);
}

void PreferencesPane::showAsNote(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    label->setPalette(palette);
}

void PreferencesPane::setTaggedItems(QComboBox* box, std::initializer_list<TaggedItem> items)
{
    const QSignalBlocker blocker(box);
    box->clear();
    for (const TaggedItem& item : items)
        box->addItem(localizedString(QString::fromLatin1(item.titleKey)), item.tag);
}

void PreferencesPane::selectItemWithTag(QComboBox* box, int tag)
{
    const QSignalBlocker blocker(box);
    box->setCurrentIndex(box->findData(tag));
}

int PreferencesPane::selectedTag(const QComboBox* box)
{
    return box->currentIndex() < 0 ? -1 : box->currentData().toInt();
}

} // namespace corvelle
