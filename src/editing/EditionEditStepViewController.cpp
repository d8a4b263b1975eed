#include "editing/EditionEditStepViewController.h"

#include "editing/EditorEditStepActionSettingsViewController.h"
#include "editing/EditorEditStepDateDistributionViewController.h"
#include "editing/EditorEditStepDateParsingViewController.h"
#include "editing/EditorEditStepEditRawViewController.h"
#include "editing/EditorEditStepEditValueViewController.h"
#include "editing/EditorEditStepSelectActionViewController.h"
#include "editing/EditorEditStepSelectTagsViewController.h"
#include "editing/EditorEditValuesInterfaceController.h"

namespace corvelle {

EditionEditStepViewController::EditionEditStepViewController(QWidget* parent)
    : ViewController(parent)
{
    setFocusPolicy(Qt::StrongFocus);
}

EditionEditStepViewController::~EditionEditStepViewController() = default;

std::unique_ptr<EditionEditStepViewController> EditionEditStepViewController::makeStep(Step step,
                                                                                      const FlatActionEdition& action)
{
    switch (step) {
    case Step::tagSelection:
        return std::make_unique<EditorEditStepSelectTagsViewController>();
    case Step::tagEdition:
        return std::make_unique<EditorEditStepEditValueViewController>();
    case Step::rawEdition:
        return std::make_unique<EditorEditStepEditRawViewController>();
    case Step::actionSelection:
        return std::make_unique<EditorEditStepSelectActionViewController>();
    case Step::actionEdition:
        switch (action.kind()) {
        case FlatActionEdition::Kind::dateDistribution:
            return std::make_unique<EditorEditStepDateDistributionViewController>();
        case FlatActionEdition::Kind::dateParsing:
            return std::make_unique<EditorEditStepDateParsingViewController>();
        case FlatActionEdition::Kind::presetEdition:
            return std::make_unique<EditorEditStepActionSettingsViewController>();
        }
    }
    return nullptr;
}

EditorEditValuesInterfaceController* EditionEditStepViewController::valuesInterfaceController() const
{
    return hostGuard_ ? host_ : nullptr;
}

void EditionEditStepViewController::configure(EditorEditValuesInterfaceController* host)
{
    host_ = host;
    hostGuard_ = host ? host->hostObject() : nullptr;
}

void EditionEditStepViewController::viewDidLoad()
{
    setupViews();
    startObserving();
    updateInterface();
}

std::optional<EditorEditionCache::ValueSet> EditionEditStepViewController::hostValueSet() const
{
    EditorEditValuesInterfaceController* host = valuesInterfaceController();
    if (!host)
        return std::nullopt;
    return host->cache().valueSet();
}

void EditionEditStepViewController::focusSelf()
{
    if (window())
        setFocus(Qt::OtherFocusReason);
}

} // namespace corvelle
