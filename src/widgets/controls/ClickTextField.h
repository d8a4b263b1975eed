#pragma once

#include <QLineEdit>

namespace corvelle {

// A text field that acts like a button: each press of the left button emits clicked(), and the
// field never takes the focus, so a click never starts editing or selecting.
class ClickTextField : public QLineEdit {
    Q_OBJECT
public:
    explicit ClickTextField(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();
};

} // namespace corvelle
