#pragma once

#include "editor/EditorContentSection.h"
#include "editor/EditorViewController.h"
#include "editor/EditorWindowController.h"

#include <initializer_list>

namespace corvelle::test {

// An empty view for a section whose own view the test does not need: the window then offers
// and switches to that section as to any other.
class SectionViewStandIn : public EditorViewController {
public:
    using EditorViewController::EditorViewController;

    QString windowTitle() const override { return QStringLiteral("Stand-in"); }
    QString windowSubtitle() const override { return QString(); }

    static void registerFor(std::initializer_list<EditorContentSection> sections = {
                                EditorContentSection::tags, EditorContentSection::map, EditorContentSection::raw})
    {
        for (EditorContentSection section : sections)
            EditorWindowController::setSectionViewFactory(
                section, [](EditorWindowHost* host) { return new SectionViewStandIn(host); });
    }
};

} // namespace corvelle::test
