#include "keywords/KeywordEditItemWindowController.h"

#include "keywords/KeywordSynonymListModel.h"
#include "keywords/KeywordSynonymTableCellView.h"
#include "platform/brisa/core/StringHelpers.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"

#include "ui_KeywordEditItemWindow.h"

#include <QPointer>

namespace corvelle {

using halvex::KeywordItem;

KeywordEditItemWindowController::KeywordEditItemWindowController(QWidget* parent)
    : QDialog(parent), ui_(std::make_unique<Ui::KeywordEditItemWindow>()), synonyms_(new KeywordSynonymListModel(this))
{
    ui_->setupUi(this);
    FormTexts::localize(this);
    ui_->synonymTableView->setModel(synonyms_);
    ui_->synonymTableView->setItemDelegate(new KeywordSynonymTableCellView(ui_->synonymTableView));
    ui_->synonymTableView->setDragEnabled(true);
    ui_->synonymTableView->setAcceptDrops(true);
    ui_->synonymTableView->setDropIndicatorShown(true);

    connect(ui_->valueTextField, &QLineEdit::textChanged, this, &KeywordEditItemWindowController::updateControls);
    connect(ui_->synonymTextField, &QLineEdit::textChanged, this, &KeywordEditItemWindowController::updateControls);
    connect(ui_->synonymTextField, &QLineEdit::returnPressed, this, &KeywordEditItemWindowController::addSynonym);
    connect(ui_->synonymAddButton, &QPushButton::clicked, this, &KeywordEditItemWindowController::addSynonym);
    connect(ui_->synonymDeleteButton, &QPushButton::clicked, this, &KeywordEditItemWindowController::deleteSynonym);
    connect(ui_->cancelButton, &QPushButton::clicked, this, &KeywordEditItemWindowController::cancel);
    connect(ui_->validateButton, &QPushButton::clicked, this, &KeywordEditItemWindowController::validate);
    connect(ui_->synonymTableView->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &KeywordEditItemWindowController::updateControls);
    connect(synonyms_, &QAbstractItemModel::modelReset, this, &KeywordEditItemWindowController::updateControls);
    connect(synonyms_, &QAbstractItemModel::rowsRemoved, this, &KeywordEditItemWindowController::updateControls);

    QPointer<KeywordEditItemWindowController> self(this);
    brisa::DynamicTouchBarItemSet& set = touchBar_.addItemSet({});
    set.addItem(brisa::DynamicTouchBarItem::flexibleSpace());
    set.addItem([self](brisa::DynamicTouchBarItemButtonSettings& settings) {
        settings.title = localizedString(QStringLiteral("KeywordEditCancelAction"));
        settings.action = [self] {
            if (self)
                self->cancel();
        };
    });
    set.addItem(
        [self](brisa::DynamicTouchBarItemButtonSettings& settings) {
            settings.title = localizedString(QStringLiteral("KeywordEditSaveAction"));
            settings.action = [self] {
                if (self)
                    self->validate();
            };
        },
        [self](brisa::DynamicTouchBarItem& item) { item.setEnabled(self && self->canValidate()); });

    infoSubscriber_.subscribe(KeywordItem::didChangeInfoNotification, nullptr,
                              [this](const brisa::Notification& note) { keywordDidChangeInfo(note); });
    loadItem();
    updateControls();
}

KeywordEditItemWindowController::~KeywordEditItemWindowController() = default;

void KeywordEditItemWindowController::setKeywordItem(const halvex::KeywordItemPtr& item)
{
    keywordItem_ = item;
    loadItem();
    updateControls();
}

void KeywordEditItemWindowController::loadItem()
{
    ui_->valueTextField->setText(keywordItem_ ? keywordItem_->name() : QString());
    ui_->isHeaderButton->setChecked(keywordItem_ && keywordItem_->isHeader());
    ui_->isPersonButton->setChecked(keywordItem_ && keywordItem_->isPerson());
    synonyms_->setSynonyms(keywordItem_ ? keywordItem_->synonyms() : QStringList());
}

void KeywordEditItemWindowController::updateControls()
{
    ui_->cancelButton->setEnabled(true);
    ui_->validateButton->setEnabled(canValidate());
    ui_->synonymAddButton->setEnabled(canAddSynonym());
    ui_->synonymDeleteButton->setEnabled(canDeleteSynonym());
    touchBar_.reloadDisplayedItems();
}

bool KeywordEditItemWindowController::canValidate() const
{
    return brisa::nonBlank(ui_->valueTextField->text()).has_value();
}

bool KeywordEditItemWindowController::canAddSynonym() const
{
    return brisa::nonBlank(ui_->synonymTextField->text()).has_value();
}

bool KeywordEditItemWindowController::canDeleteSynonym() const
{
    return ui_->synonymTableView->selectionModel()->hasSelection();
}

void KeywordEditItemWindowController::validate()
{
    if (!canValidate())
        return;
    // A synonym being edited is committed first.
    ui_->synonymTableView->setCurrentIndex({});
    writeItem();
    done(QDialog::Accepted);
}

void KeywordEditItemWindowController::cancel()
{
    done(QDialog::Rejected);
}

void KeywordEditItemWindowController::writeItem()
{
    if (!keywordItem_)
        return;
    // Every write posts the item's change, which would reload the fields not written yet: the
    // values are taken first, and the sheet does not listen to its own writes.
    const QString name = ui_->valueTextField->text();
    const bool isHeader = ui_->isHeaderButton->isChecked();
    const bool isPerson = ui_->isPersonButton->isChecked();
    const QStringList synonyms = synonyms_->synonyms();
    writing_ = true;
    keywordItem_->setName(name);
    keywordItem_->setIsHeader(isHeader);
    keywordItem_->setIsPerson(isPerson);
    keywordItem_->setSynonyms(synonyms);
    writing_ = false;
}

void KeywordEditItemWindowController::addSynonym()
{
    const std::optional<QString> synonym = brisa::nonBlank(ui_->synonymTextField->text());
    if (!synonym)
        return;
    synonyms_->append(*synonym);
    ui_->synonymTextField->clear();
    ui_->synonymTableView->clearSelection();
    updateControls();
}

void KeywordEditItemWindowController::deleteSynonym()
{
    brisa::IndexSet rows;
    for (const QModelIndex& index : ui_->synonymTableView->selectionModel()->selectedRows())
        rows.insert(index.row());
    if (rows.isEmpty())
        return;
    synonyms_->remove(rows);
    updateControls();
}

void KeywordEditItemWindowController::keywordDidChangeInfo(const brisa::Notification& note)
{
    if (writing_ || !keywordItem_ || note.object != keywordItem_.get())
        return;
    loadItem();
    updateControls();
}

} // namespace corvelle
