#include "photos/RCEditImageKeywordsWindowController.h"

#include "engine/halvex/libraries/KeywordItem.h"
#include "engine/halvex/libraries/KeywordManager.h"
#include "keywordmodel/KeywordOutlineModel.h"
#include "widgets/ApplicationCommands.h"
#include "widgets/TextLocalizer.h"

#include "ui_RCEditImageKeywordsWindow.h"

#include <QItemSelectionModel>
#include <algorithm>

namespace corvelle {

RCEditImageKeywordsWindowController::RCEditImageKeywordsWindowController(QWidget* parent)
    : RCEditImageKeywordsWindowController(halvex::KeywordManager::shared(), parent)
{
}

RCEditImageKeywordsWindowController::RCEditImageKeywordsWindowController(halvex::KeywordManager& manager,
                                                                         QWidget* parent)
    : RCEditPropertyWindowController(parent), ui_(std::make_unique<Ui::RCEditImageKeywordsWindow>())
{
    auto* content = new QWidget(this);
    ui_->setupUi(content);
    outlineModel_ = new KeywordOutlineModel(manager, this);
    outlineModel_->setReadOnly(true);
    windowDidLoad(content);
}

RCEditImageKeywordsWindowController::~RCEditImageKeywordsWindowController() = default;

void RCEditImageKeywordsWindowController::setupViews()
{
    // Typing goes to the value, not to the switch before it.
    ui_->keywordsTokenField->setFocus();
    setWindowTitle(localizedString(QStringLiteral("RemoteProfileFileKeywords")));
    QTreeView* outline = ui_->keywordsOutlineView;
    outline->setModel(outlineModel_);
    for (int column = 1; column < outlineModel_->columnCount(); ++column)
        outline->setColumnHidden(column, true);
    outline->setDragEnabled(false);
    outline->setAcceptDrops(false);
    connect(outline, &QTreeView::doubleClicked, this, [this] { addSelectedKeywords(); });
    connect(ui_->addKeywordButton, &QPushButton::clicked, this, &RCEditImageKeywordsWindowController::addSelectedKeywords);
    // The library is edited in its own window; the outline follows what is done there.
    connect(ui_->manageKeywordsButton, &QPushButton::clicked, this, [] {
        ApplicationCommands::perform(QStringLiteral("showKeywordManager:"));
    });
    ui_->manageKeywordsButton->setEnabled(ApplicationCommands::canPerform(QStringLiteral("showKeywordManager:")));
    connect(outline->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] { updateInterface(); });
    connect(ui_->keywordsTokenField, &TokenField::textEdited, this, [this] { ui_->useEditionSwitch->setChecked(true); });
    ui_->keywordsTokenField->setPlaceholderText(localizedString(QStringLiteral("RemoteEditKeywordsPlaceholder")));
}

void RCEditImageKeywordsWindowController::loadValue()
{
    const std::optional<QStringList> keywords = profile() ? profile()->keywordEdition() : std::nullopt;
    ui_->useEditionSwitch->setChecked(keywords.has_value());
    // Tokens, not text: a keyword holding a comma stays one keyword.
    ui_->keywordsTokenField->setTokens(keywords.value_or(QStringList()));
    updateInterface();
}

void RCEditImageKeywordsWindowController::saveValue()
{
    if (!profile())
        return;
    if (ui_->useEditionSwitch->isChecked())
        profile()->setKeywordEdition(ui_->keywordsTokenField->tokens());
    else
        profile()->setKeywordEdition(std::nullopt);
}

bool RCEditImageKeywordsWindowController::canAddKeyword() const
{
    const QTreeView* outline = ui_->keywordsOutlineView;
    return outline->isEnabled() && outline->selectionModel() && outline->selectionModel()->hasSelection();
}

void RCEditImageKeywordsWindowController::addSelectedKeywords()
{
    if (!canAddKeyword())
        return;
    QModelIndexList rows = ui_->keywordsOutlineView->selectionModel()->selectedRows();
    // In the order the rows stand in the outline.
    std::sort(rows.begin(), rows.end(), [this](const QModelIndex& a, const QModelIndex& b) {
        return ui_->keywordsOutlineView->visualRect(a).top() < ui_->keywordsOutlineView->visualRect(b).top();
    });
    QStringList tokens = ui_->keywordsTokenField->tokens();
    for (const QModelIndex& row : rows) {
        if (const halvex::KeywordItemPtr item = KeywordOutlineModel::itemOf(row); item && !item->name().isEmpty())
            tokens << item->name();
    }
    ui_->keywordsTokenField->setTokens(tokens);
    ui_->useEditionSwitch->setChecked(true);
}

void RCEditImageKeywordsWindowController::updateInterface()
{
    RCEditPropertyWindowController::updateInterface();
    if (ui_)
        ui_->addKeywordButton->setEnabled(canAddKeyword());
}

} // namespace corvelle
