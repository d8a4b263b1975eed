#include "platform/almira/PreferencePanelController.h"

#include "platform/brisa/core/UserDefaults.h"

#include <QAction>
#include <QActionGroup>
#include <QScreen>
#include <QToolBar>
#include <QVBoxLayout>
#include <QWidget>

namespace almira {

namespace {

constexpr int entryIconSize = 32;

QWidget* makeToolbarSpacer(QWidget* parent)
{
    auto* spacer = new QWidget(parent);
    spacer->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    return spacer;
}

} // namespace

const QString PreferencePanelController::selectedPanelIdentifierKey =
        QStringLiteral("PreferencesSelectedPanelIdentifier");

PreferencePanelController::PreferencePanelController() = default;

PreferencePanelController::~PreferencePanelController() = default;

void PreferencePanelController::setupInitialPanels() {}

void PreferencePanelController::setUpOnce()
{
    if (setUp_)
        return;
    setUp_ = true;
    setupInitialPanels();
}

QWidget* PreferencePanelController::window()
{
    setUpOnce();
    if (!window_)
        buildWindow();
    return window_.get();
}

void PreferencePanelController::showWindow()
{
    QWidget* shown = window();
    shown->show();
    shown->raise();
    shown->activateWindow();
}

void PreferencePanelController::centerWindow()
{
    QWidget* centred = window();
    layout_->activate();
    const QScreen* screen = centred->screen();
    if (!screen)
        return;
    QRect frame = centred->frameGeometry();
    frame.moveCenter(screen->availableGeometry().center());
    centred->move(frame.topLeft());
}

bool PreferencePanelController::showToolbarAsControl() const
{
    return showToolbarAsControl_;
}

void PreferencePanelController::setShowToolbarAsControl(bool asControl)
{
    if (showToolbarAsControl_ == asControl)
        return;
    showToolbarAsControl_ = asControl;
    if (window_)
        rebuildToolbar();
}

const PreferencePanelController::PanelList& PreferencePanelController::panels()
{
    setUpOnce();
    return panels_;
}

void PreferencePanelController::setPanels(PanelList panels)
{
    setUpOnce();
    showPanel(nullptr);
    panels_ = std::move(panels);
    if (window_) {
        rebuildToolbar();
        showInitialPanel();
    }
}

PreferencePanel* PreferencePanelController::selectedPanel() const
{
    return selected_;
}

void PreferencePanelController::selectPanel(const QString& identifier)
{
    window();
    if (PreferencePanel* panel = panelWithIdentifier(identifier))
        showPanel(panel);
}

void PreferencePanelController::buildWindow()
{
    window_ = std::make_unique<QWidget>(nullptr, Qt::Window);
    window_->setObjectName(QStringLiteral("PreferencesWindow"));

    layout_ = new QVBoxLayout(window_.get());
    // The window takes the size that the toolbar and the shown pane ask for.
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);

    toolbar_ = new QToolBar(window_.get());
    toolbar_->setMovable(false);
    toolbar_->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    toolbar_->setIconSize(QSize(entryIconSize, entryIconSize));
    layout_->addWidget(toolbar_);

    rebuildToolbar();
    showInitialPanel();
}

void PreferencePanelController::showInitialPanel()
{
    const QString remembered =
            brisa::UserDefaults::standard().object(selectedPanelIdentifierKey).toString();
    PreferencePanel* initial = panelWithIdentifier(remembered);
    if (!initial && !panels_.empty())
        initial = panels_.front().get();
    showPanel(initial);
}

void PreferencePanelController::rebuildToolbar()
{
    toolbar_->clear();
    delete entries_;
    entries_ = new QActionGroup(toolbar_);
    entries_->setExclusive(true);

    if (showToolbarAsControl_)
        toolbar_->addWidget(makeToolbarSpacer(toolbar_));
    for (const auto& panel : panels_) {
        auto* entry = new QAction(panel->image(), panel->title(), entries_);
        entry->setToolTip(panel->toolTip());
        entry->setData(panel->identifier());
        entry->setCheckable(true);
        entry->setChecked(panel.get() == selected_);
        const QString identifier = panel->identifier();
        connect(entry, &QAction::triggered, this, [this, identifier] { selectPanel(identifier); });
        toolbar_->addAction(entry);
    }
    if (showToolbarAsControl_)
        toolbar_->addWidget(makeToolbarSpacer(toolbar_));
}

void PreferencePanelController::showPanel(PreferencePanel* panel)
{
    if (shownView_ && (!panel || panel != selected_)) {
        layout_->removeWidget(shownView_);
        shownView_->hide();
        shownView_.clear();
    }
    selected_ = panel;
    if (!window_)
        return;

    QString title;
    if (panel) {
        title = panel->title();
        if (QWidget* view = panel->view(); view && view != shownView_) {
            layout_->addWidget(view);
            view->show();
            shownView_ = view;
        }
        brisa::UserDefaults& defaults = brisa::UserDefaults::standard();
        if (defaults.object(selectedPanelIdentifierKey).toString() != panel->identifier())
            defaults.setObject(selectedPanelIdentifierKey, panel->identifier());
    }
    window_->setWindowTitle(title);
    if (entries_) {
        for (QAction* entry : entries_->actions())
            entry->setChecked(panel && entry->data().toString() == panel->identifier());
    }
    layout_->activate();
}

PreferencePanel* PreferencePanelController::panelWithIdentifier(const QString& identifier) const
{
    for (const auto& panel : panels_) {
        if (panel->identifier() == identifier)
            return panel.get();
    }
    return nullptr;
}

} // namespace almira
