#pragma once

#include <QWidget>

namespace corvelle {

// A view that builds its content on first request: the section views, bars and popovers of the
// editor window are widgets of this kind. Whoever places the view owns it, as any widget.
class ViewController : public QWidget {
    Q_OBJECT

public:
    explicit ViewController(QWidget* parent = nullptr);
    ~ViewController() override;

    // Builds the content once (loadView(), then viewDidLoad()) and answers this widget.
    QWidget* view();
    bool isViewLoaded() const { return loaded_; }

protected:
    // Builds the content, usually by setting up a compiled form on this widget; empty by default.
    virtual void loadView() {}
    virtual void viewDidLoad() {}
    // Each time the view is shown.
    virtual void viewDidAppear() {}

    // Stops the program for a member that every subclass must supply.
    [[noreturn]] static void toOverride();

    void showEvent(QShowEvent* event) override;

private:
    bool loaded_ = false;
};

} // namespace corvelle
