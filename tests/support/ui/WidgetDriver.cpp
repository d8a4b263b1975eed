#include "support/ui/WidgetDriver.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QTest>

namespace corvelle::test {

bool WidgetDriver::choose(QComboBox* box, int index, Qt::KeyboardModifiers modifiers)
{
    box->showPopup();
    QAbstractItemView* list = box->view();
    if (!QTest::qWaitFor([list] { return list->isVisible(); }))
        return false;
    list->setCurrentIndex(box->model()->index(index, box->modelColumn(), box->rootModelIndex()));
    QTest::keyClick(list, Qt::Key_Return, modifiers);
    return QTest::qWaitFor([list] { return !list->isVisible(); });
}

} // namespace corvelle::test
