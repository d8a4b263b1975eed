#include "editing/NotWritableEditionViewController.h"

#include "widgets/FormTexts.h"

#include "ui_NoWritableEditionView.h"

namespace corvelle {

NotWritableEditionViewController::NotWritableEditionViewController(QWidget* parent)
    : GenericEditionViewController(parent)
    , ui_(std::make_unique<Ui::NoWritableEditionView>())
{
    ui_->setupUi(this);
    FormTexts::localize(this);
}

NotWritableEditionViewController::~NotWritableEditionViewController() = default;

} // namespace corvelle
