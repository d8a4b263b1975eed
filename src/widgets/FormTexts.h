#pragma once

class QWidget;

namespace corvelle {

// Forms hold localisation keys where they show text; this puts the localised texts in their
// place once the form is set up: label, button and group-box texts, line-edit placeholders,
// tool tips and the window title.
class FormTexts {
public:
    static void localize(QWidget* root);
};

} // namespace corvelle
