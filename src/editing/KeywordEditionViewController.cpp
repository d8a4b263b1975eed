#include "editing/KeywordEditionViewController.h"

#include "editing/TextEditionViewController.h"
#include "editing/ValueDisplayTexts.h"
#include "engine/halvex/libraries/KeywordItem.h"
#include "engine/halvex/libraries/KeywordManager.h"
#include "keywordmodel/KeywordOutlineModel.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/ValueConverter.h"
#include "widgets/ApplicationCommands.h"
#include "widgets/FormTexts.h"
#include "widgets/TextLocalizer.h"
#include "widgets/controls/TokenField.h"

#include "ui_KeywordEditionView.h"

#include <QPushButton>
#include <QTreeView>

#include <algorithm>

namespace corvelle {

KeywordEditionViewController::KeywordEditionViewController(QWidget* parent)
    : GenericEditionViewController(parent)
    , ui_(std::make_unique<Ui::KeywordEditionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

KeywordEditionViewController::~KeywordEditionViewController() = default;

ContentValue KeywordEditionViewController::contentValue(const halvex::TagValueTableRowValue& row)
{
    ContentValue value = GenericEditionViewController::contentValue(row);
    if (row.valueState() == halvex::TagValueTableRowValue::ValueState::single)
        value.item = ContentValue::Item::words(std::nullopt, keywordList(row.tagItem(), row.valueText()).value_or(QStringList()));
    return value;
}

ContentValue KeywordEditionViewController::presetEditionContentValue(const PresetEditionRowValue& row)
{
    ContentValue value = GenericEditionViewController::presetEditionContentValue(row);
    if (const auto settings = customValue(row)) {
        const QStringList words = keywordList(row.tagItem, settings->value).value_or(QStringList());
        TextEditionViewController::describeCustomValue(value, *settings, ContentValue::Item::words(std::nullopt, words));
        // Word lists take their own labels.
        if (value.item.kind() == ContentValue::Item::Kind::words) {
            QString key = QStringLiteral("PresetEditionReplaceWordsActionLabel");
            if (settings->insertion == halvex::PresetValueInsertion::prepend)
                key = QStringLiteral("PresetEditionPrependWordsActionLabel");
            else if (settings->insertion == halvex::PresetValueInsertion::append)
                key = QStringLiteral("PresetEditionAppendWordsActionLabel");
            value.item = ContentValue::Item::words(localizedString(key), words);
        }
    }
    return value;
}

void KeywordEditionViewController::setupViews()
{
    ui_->valueTokenField->setPlaceholderText(localizedString(QStringLiteral("EditionViewEnterValueHereTitle")));
    // The library's own tree, names only; it follows the library row by row.
    library_ = new KeywordOutlineModel(halvex::KeywordManager::shared(), this);
    library_->setReadOnly(true);
    ui_->keywordsOutlineView->setModel(library_);
    for (int column = KeywordOutlineModel::NameColumn + 1; column < library_->columnCount(); ++column)
        ui_->keywordsOutlineView->setColumnHidden(column, true);
    connect(ui_->valueTokenField, &TokenField::textEdited, this, [this] {
        if (!loading_)
            markValueChanged();
    });
    connect(ui_->keywordsAddButton, &QPushButton::clicked, this, &KeywordEditionViewController::addSelectedKeywords);
    connect(ui_->keywordsOutlineView, &QTreeView::doubleClicked, this, &KeywordEditionViewController::addSelectedKeywords);
    // The library is edited in its own window; the outline follows what is done there.
    connect(ui_->keywordsManageButton, &QPushButton::clicked, this, [] {
        ApplicationCommands::perform(QStringLiteral("showKeywordManager:"));
    });
    ui_->keywordsManageButton->setEnabled(ApplicationCommands::canPerform(QStringLiteral("showKeywordManager:")));
}

void KeywordEditionViewController::resetValue()
{
    GenericEditionViewController::resetValue();
    tagItem_.reset();
    showWords(QStringList());
    setWritable(true);
    ui_->keywordsOutlineView->clearSelection();
}

void KeywordEditionViewController::focus()
{
    ui_->valueTokenField->setFocus(Qt::OtherFocusReason);
}

std::optional<QString> KeywordEditionViewController::editedValue() const
{
    if (!tagItem_)
        return QString();
    return tagItem_->converter().stringValueFromTypedValue(ui_->valueTokenField->tokens()).value_or(QString());
}

std::optional<QStringList> KeywordEditionViewController::editedValues() const
{
    QStringList words = ui_->valueTokenField->tokens();
    words.removeAll(QString());
    return words;
}

void KeywordEditionViewController::loadPresetEditionRow(const std::optional<PresetEditionRowValue>& row)
{
    resetValue();
    if (!row)
        return;
    if (const auto settings = customValue(*row)) {
        tagItem_ = row->tagItem;
        showWords(keywordList(*tagItem_, settings->value));
    }
}

void KeywordEditionViewController::loadValueSet(const std::optional<halvex::TagValueTableValueSet>& valueSet)
{
    resetValue();
    if (!valueSet)
        return;
    if (!valueSet->tagItems().isEmpty())
        tagItem_ = valueSet->tagItems().constFirst();
    setWritable(valueSet->isWritable());
    if (!tagItem_ || valueSet->commonValue().kind() != halvex::MultiValuedString::Kind::single)
        return;
    // The files' own items, not the joined text: an item may hold a comma.
    std::optional<QStringList> words;
    if (!valueSet->editors().isEmpty())
        words = valueSet->editors().constFirst()->currentValues(tagItem_->tagName());
    if (!words)
        words = keywordList(*tagItem_, *valueSet->commonValue().value());
    showWords(words);
}

void KeywordEditionViewController::setVerticalLayout(bool vertical)
{
    ui_->layoutStackView->setDirection(vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight);
}

bool KeywordEditionViewController::canAddKeywords() const
{
    return ui_->keywordsOutlineView->isEnabled() && ui_->keywordsOutlineView->selectionModel()->hasSelection();
}

void KeywordEditionViewController::addSelectedKeywords()
{
    if (!canAddKeywords())
        return;
    QModelIndexList rows = ui_->keywordsOutlineView->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end(), [this](const QModelIndex& a, const QModelIndex& b) {
        return ui_->keywordsOutlineView->visualRect(a).top() < ui_->keywordsOutlineView->visualRect(b).top();
    });
    QStringList words = ui_->valueTokenField->tokens();
    for (const QModelIndex& row : rows) {
        if (const halvex::KeywordItemPtr item = KeywordOutlineModel::itemOf(row); item && !item->name().isEmpty())
            words.append(item->name());
    }
    showWords(words);
    markValueChanged();
}

TokenField* KeywordEditionViewController::valueTokenField() const { return ui_->valueTokenField; }
QTreeView* KeywordEditionViewController::keywordsOutlineView() const { return ui_->keywordsOutlineView; }
QPushButton* KeywordEditionViewController::keywordsAddButton() const { return ui_->keywordsAddButton; }

void KeywordEditionViewController::showWords(const std::optional<QStringList>& words)
{
    loading_ = true;
    ui_->valueTokenField->setTokens(words.value_or(QStringList()));
    loading_ = false;
}

void KeywordEditionViewController::setWritable(bool writable)
{
    ui_->valueTokenField->setEnabled(writable);
    ui_->keywordsOutlineView->setEnabled(writable);
    ui_->keywordsAddButton->setEnabled(writable);
}

} // namespace corvelle
