#pragma once

#include "tags/EditorEditionCache.h"

class QObject;
class QWidget;

namespace corvelle {

class EditionEditStepViewController;

// What a host of the step-by-step edit pages offers them: the tag editing sheet and the Tags
// section's sidebar are the two hosts. Pages keep their host weakly, through hostObject().
class EditorEditValuesInterfaceController {
public:
    virtual ~EditorEditValuesInterfaceController() = default;

    // The object whose lifetime bounds the host; pages guard their reference with it.
    virtual QObject* hostObject() = 0;
    // The edition in progress; pages read it and write their results into it.
    virtual EditorEditionCache& cache() = 0;
    // The sidebar stacks editor controls vertically; the sheet lays them out in rows.
    virtual bool prefersVerticalLayout() const = 0;
    // Refreshes the host's own controls (buttons, titles).
    virtual void updateInterface() = 0;
    // Installs the page of a step.
    virtual void showStep(EditorEditionCacheStep step, bool animated) = 0;
    // Goes to the current page's previous step.
    virtual void goBackEdition() = 0;
    // Goes on to the next step, or finishes the edition.
    virtual void continueEdition() = 0;
    // The page on show, if any.
    virtual EditionEditStepViewController* currentViewController() const = 0;

protected:
    // Shows the step (the quick actions, the raw value) when the tags can be written, once the
    // field being typed in `editingArea` has handed its value over; false when they cannot.
    bool showWritableStep(EditorEditionCacheStep step, QWidget* editingArea);
    // Shows the date action page ready to shift dates, whatever action was chosen before; false
    // without a date tag.
    bool showDateShift(QWidget* editingArea);
};

} // namespace corvelle
