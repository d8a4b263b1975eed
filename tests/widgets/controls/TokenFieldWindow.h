#pragma once

#include <QLayout>
#include <QLineEdit>
#include <QVBoxLayout>
#include <QtTest>

// A token field above a text field (to take the focus away), in a window of the given width.
template<class Field>
struct TokenFieldWindow {
    QWidget window;
    Field* field = new Field(&window);
    QLineEdit* other = new QLineEdit(&window);

    explicit TokenFieldWindow(int width)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(field);
        layout->addWidget(other);
        layout->addStretch();
        window.resize(width, 400);
    }

    QLineEdit* editor() const { return field->template findChild<QLineEdit*>(); }

    // Shows and activates the window and focuses the field.
    bool show()
    {
        window.show();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        field->setFocus();
        return editor()->hasFocus();
    }

    // The height the window's layout gives the field now.
    int laidOutHeight()
    {
        window.layout()->activate();
        return field->height();
    }
};
