#include "editing/UnknownEditionViewController.h"

#include "widgets/FormTexts.h"

#include "ui_UnknownEditionView.h"

namespace corvelle {

UnknownEditionViewController::UnknownEditionViewController(QWidget* parent)
    : GenericEditionViewController(parent)
    , ui_(std::make_unique<Ui::UnknownEditionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

UnknownEditionViewController::~UnknownEditionViewController() = default;

} // namespace corvelle
