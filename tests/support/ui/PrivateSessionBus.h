#pragma once

#include <QProcessEnvironment>
#include <QString>

namespace corvelle::test {

// Test programs that register D-Bus services or fill a keyring run inside a D-Bus session of
// their own, so that nothing they do reaches the user's session.
class PrivateSessionBus {
public:
    // Call first in main(): runs this program again under dbus-run-session and never returns,
    // unless it already runs there or dbus-run-session cannot be started; then the program
    // goes on without any session bus.
    static void enter(int argc, char** argv);
    // Whether this program runs in the session that enter() made.
    static bool isActive();

    // The environment for running this program again as a child whose session bus cannot be
    // reached (its address points into `folder`), and which does not look for one of its own.
    static QProcessEnvironment unreachableBusEnvironment(const QString& folder);
    // Runs the test function `testFunction` of this program again in such a child, with the
    // environment variable `variable` set so that the child knows it is the one. Returns why the
    // child did not pass (with its output); empty when it passed.
    static QString runTestWithoutBus(const QString& testFunction, const char* variable);

    // Starts gnome-keyring with only its secret service in this session, its keyring made and
    // unlocked under `home`. Returns why when it cannot; empty on success. `broken`, when given,
    // tells a failure of what is there (the bus, the daemon) from something missing on this machine.
    static QString startKeyring(const QString& home, bool* broken = nullptr);
};

} // namespace corvelle::test

// QTEST_MAIN for a widget test that runs in a session bus of its own.
#define CORVELLE_TEST_MAIN_WITH_PRIVATE_BUS(TestObject)                                                              \
    int main(int argc, char** argv)                                                                                    \
    {                                                                                                                  \
        corvelle::test::PrivateSessionBus::enter(argc, argv);                                                          \
        QApplication app(argc, argv);                                                                                  \
        TestObject test;                                                                                               \
        QTEST_SET_MAIN_SOURCE_PATH                                                                                     \
        return QTest::qExec(&test, argc, argv);                                                                        \
    }
