#pragma once

#include <QString>
#include <QWidget>

class QComboBox;

namespace corvelle::test {

// Drives widgets as a user does, through their own event handling.
class WidgetDriver {
public:
    // Opens the pop-up list of a shown combo box, moves to the item and presses Return on it,
    // holding `modifiers`. Returns false when the list did not open or close again.
    [[nodiscard]] static bool choose(QComboBox* box, int index, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

    // The child of that class and object name; a form without it stops the test program.
    template<class Widget>
    static Widget* child(const QWidget* root, const QString& name)
    {
        auto* widget = root->findChild<Widget*>(name);
        if (!widget)
            qFatal("%s has no %s named %s", qPrintable(root->objectName()), Widget::staticMetaObject.className(),
                   qPrintable(name));
        return widget;
    }
};

} // namespace corvelle::test
