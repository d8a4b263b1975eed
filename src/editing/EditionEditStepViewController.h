#pragma once

#include "editor/ViewController.h"
#include "tags/EditorEditionCache.h"

#include <QPointer>

#include <functional>
#include <memory>
#include <optional>

namespace corvelle {

class EditorEditValuesInterfaceController;

// The base of the pages of the step-by-step edition: a page shows one step in its host's
// container, reads the host's edition cache, tells the host where the edition may go from it,
// and writes its result when the host leaves it.
//
// A host uses a page in this order: make it (makeStep), install its view (which loads it:
// setupViews(), startObserving(), updateInterface()), configure() it, focus() it, give it a
// changes handler; then reads hasValueChanges(), canContinue(), previousStep() and nextStep() for
// its buttons; on continue calls leave(false) before showing the next step, or leave(true) on
// the last one. The host is kept weakly: once it is gone the page answers its base values.
class EditionEditStepViewController : public ViewController {
    Q_OBJECT

public:
    using Step = EditorEditionCacheStep;

    explicit EditionEditStepViewController(QWidget* parent = nullptr);
    ~EditionEditStepViewController() override;

    // A new page for the step; the settings step depends on the chosen action.
    static std::unique_ptr<EditionEditStepViewController> makeStep(Step step, const FlatActionEdition& action);

    EditorEditValuesInterfaceController* valuesInterfaceController() const;

    virtual void setupViews() {}
    virtual void updateInterface() {}
    virtual void startObserving() {}
    virtual void stopObserving() {}
    virtual bool hasValueChanges() const { return true; }
    virtual void setChangesHandler(std::function<void()> handler) { Q_UNUSED(handler); }
    // Makes the page ready to shift dates; false on every page that cannot.
    virtual bool prepareShiftDateEdition() { return false; }
    // Keeps the host weakly; pages then load their state from its cache.
    virtual void configure(EditorEditValuesInterfaceController* host);
    virtual void focus() {}
    virtual std::optional<Step> step() const { return std::nullopt; }
    virtual std::optional<Step> previousStep() const { return std::nullopt; }
    virtual std::optional<Step> nextStep() const { return std::nullopt; }
    virtual bool canContinue() const { return false; }
    virtual void leave(bool finishing) { Q_UNUSED(finishing); }

protected:
    void viewDidLoad() override;
    // The working value set of the host's cache: the filtered one, else the original; none
    // without a host.
    std::optional<EditorEditionCache::ValueSet> hostValueSet() const;
    // Makes this page the focus of its window.
    void focusSelf();

private:
    EditorEditValuesInterfaceController* host_ = nullptr;
    QPointer<QObject> hostGuard_;
};

} // namespace corvelle
