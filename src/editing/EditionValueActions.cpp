#include "editing/EditionValueActions.h"

#include "platform/brisa/ui/SymbolIcons.h"
#include "widgets/TextLocalizer.h"

#include <QAbstractButton>
#include <QAction>
#include <QLayout>
#include <QToolButton>
#include <QWidget>

namespace corvelle {

namespace {

struct SegmentRow {
    const char* command;
    const char* symbol;
    const char* titleKey;
};

constexpr SegmentRow segmentRows[EditionValueActions::segmentCount] = {
    {"copyValues:", "doc.on.doc", "EditorEditionCopyValues"},
    {"cutValues:", "scissors", "EditorEditionCutValues"},
    {"pasteValues:", "list.bullet.clipboard", "EditorEditionPasteValues"},
    {"clearValues:", "eraser.line.dashed", "EditorEditionClearValues"},
    {"restoreValues:", "arrow.uturn.left.circle", "EditorEditionRestoreValues"},
    {"useQuickActions:", "bolt", "EditorEditionQuickActions"},
    {"rawEditValues:", "square.and.pencil", "EditorEditionRawEditValues"},
    {"forceValues:", "arrow.triangle.2.circlepath.circle", "EditorEditionForceValues"},
};

const QKeySequence continueShortcut(Qt::CTRL | Qt::Key_Return);

} // namespace

EditionValueActions::EditionValueActions(QWidget* host)
    : QObject(host)
{
    for (const SegmentRow& row : segmentRows) {
        auto* action = new QAction(localizedString(QString::fromLatin1(row.titleKey)), host);
        action->setObjectName(QString::fromLatin1(row.command));
        QIcon icon = brisa::SymbolIcons::icon(QString::fromLatin1(row.symbol));
        if (icon.isNull())
            icon = QIcon::fromTheme(QStringLiteral("edit-cut-symbolic"));
        action->setIcon(icon);
        action->setToolTip(action->text());
        segments_.append(action);
    }
    goBack_ = new QAction(localizedString(QStringLiteral("PresetManagerGoBackAction")), host);
    goBack_->setObjectName(QStringLiteral("goBackEdition:"));
    continue_ = new QAction(localizedString(QStringLiteral("PresetManagerContinueAction")), host);
    continue_->setObjectName(QStringLiteral("continueEdition:"));
    continue_->setShortcut(continueShortcut);
    continue_->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    host->addAction(continue_);
}

void EditionValueActions::addSegmentButtons(QWidget* row) const
{
    for (QAction* action : segments_) {
        auto* button = new QToolButton(row);
        button->setDefaultAction(action);
        button->setObjectName(action->objectName());
        button->setAutoRaise(true);
        button->setIconSize(QSize(16, 16));
        row->layout()->addWidget(button);
    }
}

bool EditionValueActions::isSegmentEnabled(int index, const EditorEditionCache& cache)
{
    switch (index) {
    case copy:
        return cache.hasSingleValue();
    case cut:
        return cache.canCut();
    case paste:
    case clear:
    case restore:
    case quickActions:
    case rawEdit:
    case force:
        return cache.isWritable();
    default:
        return false;
    }
}

void EditionValueActions::updateSegments(const EditorEditionCache& cache) const
{
    for (int index = 0; index < segments_.size(); ++index)
        segments_.at(index)->setEnabled(isSegmentEnabled(index, cache));
}

void EditionValueActions::updateContinue(QAbstractButton* button, const std::optional<EditorEditionCacheStep>& nextStep,
                                         bool hasValueChanges, bool canContinue) const
{
    QString key;
    bool withShortcut = true;
    if (nextStep) {
        key = QStringLiteral("PresetManagerContinueAction");
    } else if (hasValueChanges) {
        key = QStringLiteral("PresetManagerApplyEditAction");
    } else {
        key = QStringLiteral("PresetManagerEditContentAction");
        withShortcut = false;
    }
    continue_->setText(localizedString(key));
    continue_->setEnabled(canContinue);
    continue_->setShortcut(withShortcut ? continueShortcut : QKeySequence());
    if (button) {
        button->setText(continue_->text());
        button->setEnabled(canContinue);
        button->setToolTip(withShortcut ? continueShortcut.toString(QKeySequence::NativeText) : QString());
    }
}

void EditionValueActions::updateGoBack(QAbstractButton* button, bool canGoBack) const
{
    goBack_->setEnabled(canGoBack);
    if (button) {
        button->setEnabled(canGoBack);
        button->setVisible(canGoBack);
    }
}

} // namespace corvelle
