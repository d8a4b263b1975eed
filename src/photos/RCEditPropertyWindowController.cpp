#include "photos/RCEditPropertyWindowController.h"

#include "platform/brisa/ui/DynamicTouchBarItemButtonSettings.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QPointer>
#include <QPushButton>
#include <QVBoxLayout>

namespace corvelle {

RCEditPropertyWindowController::RCEditPropertyWindowController(QWidget* parent) : QDialog(parent)
{
}

RCEditPropertyWindowController::~RCEditPropertyWindowController()
{
    profileDidChangeInfoSubscriber_.unsubscribe();
    profileDidChangeValuesSubscriber_.unsubscribe();
}

void RCEditPropertyWindowController::windowDidLoad(QWidget* content)
{
    setObjectName(nibName());
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(content, 1);
    auto* buttons = new QDialogButtonBox(this);
    validateButton_ = buttons->addButton(localizedString(QStringLiteral("RemoteEditSaveAction")), QDialogButtonBox::AcceptRole);
    validateButton_->setObjectName(QStringLiteral("validateButton"));
    validateButton_->setDefault(true);
    cancelButton_ = buttons->addButton(localizedString(QStringLiteral("RemoteEditCancelAction")), QDialogButtonBox::RejectRole);
    cancelButton_->setObjectName(QStringLiteral("cancelButton"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &RCEditPropertyWindowController::validateEdition);
    connect(buttons, &QDialogButtonBox::rejected, this, &RCEditPropertyWindowController::cancelEdition);
    FormTexts::localize(this);

    setupViews();
    setupTouchBar();
    const auto changed = [this](const brisa::Notification& note) { profileDidChange(note); };
    profileDidChangeInfoSubscriber_.subscribe(halvex::PhotosRemoteProfile::didChangeInfoNotification, nullptr, changed);
    profileDidChangeValuesSubscriber_.subscribe(halvex::PhotosRemoteProfile::didChangeValuesNotification, nullptr, changed);
    loadValue();
    updateInterface();
}

void RCEditPropertyWindowController::setupTouchBar()
{
    const QPointer<RCEditPropertyWindowController> self(this);
    brisa::DynamicTouchBarItemSet& set = touchBar_.addItemSet([] { return true; });
    set.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    set.addItem([self](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("RemoteEditCancelAction"));
        settings.action = [self] {
            if (self)
                self->cancelEdition();
        };
    });
    set.addItem([self](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("RemoteEditSaveAction"));
        settings.action = [self] {
            if (self)
                self->validateEdition();
        };
    });
}

void RCEditPropertyWindowController::setProfile(const halvex::PhotosRemoteProfilePtr& profile)
{
    profile_ = profile;
    reload();
}

void RCEditPropertyWindowController::cancelEdition()
{
    done(QDialog::Rejected);
}

void RCEditPropertyWindowController::validateEdition()
{
    // The field being typed in commits its text first.
    if (QWidget* focused = QApplication::focusWidget(); focused && isAncestorOf(focused))
        focused->clearFocus();
    saveValue();
    done(QDialog::Accepted);
}

void RCEditPropertyWindowController::updateInterface()
{
    if (cancelButton_)
        cancelButton_->setEnabled(true);
    if (validateButton_)
        validateButton_->setEnabled(true);
    touchBar_.reloadDisplayedItems();
}

void RCEditPropertyWindowController::reload()
{
    loadValue();
    updateInterface();
}

void RCEditPropertyWindowController::profileDidChange(const brisa::Notification& note)
{
    if (note.object == profile_.get())
        loadValue();
}

} // namespace corvelle
