#pragma once

#include <QWidget>

namespace corvelle {

// A plain area filled with the colour behind controls such as lists and text fields.
class BackgroundControlColor : public QWidget {
    Q_OBJECT
public:
    explicit BackgroundControlColor(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace corvelle
