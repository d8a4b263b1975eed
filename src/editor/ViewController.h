#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace corvelle {

// A controller with a view made from its form on first request. The view is the controller's:
// it goes with the controller, wherever the controller's owner has placed it.
class ViewController : public QObject {
    Q_OBJECT

public:
    explicit ViewController(QObject* parent = nullptr);
    ~ViewController() override;

    // Loads the view from the form named by nibName(), then runs viewDidLoad().
    QWidget* view();
    bool isViewLoaded() const { return !view_.isNull(); }

    // The form of the view: the class name without "Controller". Every subclass names its own.
    virtual QString nibName() const;

protected:
    virtual void viewDidLoad() {}
    // Each time the view is shown.
    virtual void viewDidAppear() {}

    // Stops the program for a member that every subclass must supply.
    [[noreturn]] static void toOverride();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> view_;
};

} // namespace corvelle
