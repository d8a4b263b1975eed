#pragma once

#include <QMessageBox>
#include <QStringList>
#include <QVariantList>

#include <optional>

namespace corvelle {

// An alert of the application itself (library loading, document import, quitting): modal for
// the whole application, its texts taken from one key family. The stem is followed by
// "MessageText", "InformativeText" and one suffix per button ("QuitAppWhileProcessingAlert" +
// "CancelButton"). The first button is the default one; each button's object name is its key.
class ApplicationAlert {
public:
    struct Texts {
        QString stem;
        QStringList buttonSuffixes;
        // Format arguments of the informative text; none leaves it as it stands.
        QVariantList informativeArguments = {};
        // A paragraph shown below the informative text, such as the file and the reason of a failure.
        QString detail = {};
    };

    // Runs the alert and answers the index of the chosen button. Escape and closing the alert
    // choose `escapeButton`; without one the alert stays until a button is chosen.
    static int run(const Texts& texts, QMessageBox::Icon icon, std::optional<int> escapeButton = std::nullopt);
};

} // namespace corvelle
