#pragma once

#include <QString>
#include <QWidget>

namespace corvelle {

// Makes views from the application's Qt Designer forms by name, the way a controller names
// its form. Forms are looked up under the search prefix "forms:", which holds the compiled-in
// resources/ui first; their localisation keys are replaced by the texts (FormTexts).
class FormLoader {
public:
    // A new widget made from the form; a form that is missing or broken is a programming
    // error and stops the program.
    static QWidget* load(const QString& formName, QWidget* parent = nullptr);
    static bool exists(const QString& formName);

    // The child of that class and object name, which the form must hold.
    template<class Widget>
    static Widget* outlet(const QWidget* root, const char* name)
    {
        auto* widget = root ? root->findChild<Widget*>(QString::fromLatin1(name)) : nullptr;
        if (!widget)
            missingOutlet(root, Widget::staticMetaObject.className(), name);
        return widget;
    }

    static const QString searchPrefix;

private:
    static QString pathOf(const QString& formName);
    [[noreturn]] static void missingOutlet(const QWidget* root, const char* className, const char* name);
};

} // namespace corvelle
