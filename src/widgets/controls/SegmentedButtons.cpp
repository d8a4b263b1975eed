#include "widgets/controls/SegmentedButtons.h"

#include "widgets/TextLocalizer.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace corvelle {

QButtonGroup* SegmentedButtons::make(QWidget* container, const QStringList& titleKeys)
{
    auto* group = new QButtonGroup(container);
    group->setExclusive(true);
    for (int id = 0; id < titleKeys.size(); ++id) {
        auto* button = new QPushButton(localizedString(titleKeys.at(id)), container);
        button->setCheckable(true);
        button->setAutoDefault(false);
        button->setObjectName(titleKeys.at(id));
        container->layout()->addWidget(button);
        group->addButton(button, id);
    }
    if (auto* row = qobject_cast<QHBoxLayout*>(container->layout()))
        row->addStretch();
    return group;
}

} // namespace corvelle
