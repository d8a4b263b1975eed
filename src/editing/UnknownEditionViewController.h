#pragma once

#include "editing/GenericEditionViewController.h"

#include <memory>

namespace Ui {
class UnknownEditionView;
}

namespace corvelle {

// The editor of a tag whose type no other editor takes: it offers only the keep operation; it edits nothing.
class UnknownEditionViewController : public GenericEditionViewController {
    Q_OBJECT

public:
    explicit UnknownEditionViewController(QWidget* parent = nullptr);
    ~UnknownEditionViewController() override;

    EditionKind editionKind() const override { return EditionKind::unknown; }

    static QList<FlatPresetEdition> supportedPresetEditions() { return {FlatPresetEdition::keepCurrentValue}; }

private:
    std::unique_ptr<Ui::UnknownEditionView> ui_;
};

} // namespace corvelle
