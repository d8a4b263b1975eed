#pragma once

#include "widgets/controls/TokenField.h"

namespace corvelle {

// A token field that shows its tokens and acts like a button: each press of the left button
// emits clicked(), and the field never takes the focus, so nothing is ever typed into it.
class ClickTokenField : public TokenField {
    Q_OBJECT
public:
    explicit ClickTokenField(QWidget* parent = nullptr);

Q_SIGNALS:
    void clicked();
};

} // namespace corvelle
