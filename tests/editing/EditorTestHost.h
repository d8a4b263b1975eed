#pragma once

#include "editing/EditionKindTraits.h"

#include <QVBoxLayout>
#include <QWidget>

#include <memory>

namespace corvelle::test {

// The least a host does with a value editor: makes it for a kind, fills itself with its view,
// counts the changes handler's calls, and listens for the cancel and validate requests.
class EditorTestHost : public QWidget {
public:
    explicit EditorTestHost(EditionKind kind, bool vertical = false)
    {
        auto* layout = new QVBoxLayout(this);
        editor_ = EditionKindTraits::of(kind).make(this).release();
        layout->addWidget(editor_);
        editor_->setVerticalLayout(vertical);
        editor_->setChangesHandler([this] { ++handlerCalls; });
        QObject::connect(editor_, &GenericEditionViewController::validateEditionRequested, this, [this] { ++validations; });
        resize(480, 360);
        show();
    }

    template<class Editor = GenericEditionViewController>
    Editor* editor() const
    {
        return static_cast<Editor*>(editor_);
    }

    int handlerCalls = 0;
    int validations = 0;

private:
    GenericEditionViewController* editor_ = nullptr;
};

} // namespace corvelle::test
