#pragma once

#include <QFileDialog>

namespace corvelle {

// The open dialog of the editor window: several files and folders may be chosen together.
// A plain file dialog opens a chosen folder to look inside it; here Open takes the folder,
// while a double click still goes into it.
class OpenPanel : public QFileDialog {
    Q_OBJECT

public:
    explicit OpenPanel(QWidget* parent = nullptr);

protected:
    void accept() override;
};

} // namespace corvelle
