#pragma once

#include "editing/GenericEditionViewController.h"

#include <memory>

namespace Ui {
class NoWritableEditionView;
}

namespace corvelle {

// The editor of a tag that cannot be written: it only keeps the value and never gives one.
class NotWritableEditionViewController : public GenericEditionViewController {
    Q_OBJECT

public:
    explicit NotWritableEditionViewController(QWidget* parent = nullptr);
    ~NotWritableEditionViewController() override;

    EditionKind editionKind() const override { return EditionKind::notWritable; }

    static QList<FlatPresetEdition> supportedPresetEditions() { return {FlatPresetEdition::keepCurrentValue}; }

private:
    std::unique_ptr<Ui::NoWritableEditionView> ui_;
};

} // namespace corvelle
