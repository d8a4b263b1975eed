#include "app/controls/FixedProgressIndicator.h"

namespace corvelle {

FixedProgressIndicator::FixedProgressIndicator(QWidget* parent)
    : QProgressBar(parent)
{
    setTextVisible(false);
}

} // namespace corvelle
