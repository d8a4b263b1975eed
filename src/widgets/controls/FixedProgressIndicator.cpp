#include "widgets/controls/FixedProgressIndicator.h"

namespace corvelle {

FixedProgressIndicator::FixedProgressIndicator(QWidget* parent)
    : QProgressBar(parent)
{
    setTextVisible(false);
}

} // namespace corvelle
