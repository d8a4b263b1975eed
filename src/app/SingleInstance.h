#pragma once

#include <QLocalServer>
#include <QObject>
#include <QStringList>

namespace corvelle {

// One running instance per user. A later launch hands its documents (absolute paths, possibly
// none) to the running instance over a local socket and ends; the running instance takes them
// as if the desktop had handed them over.
//
// The socket lies in the user's runtime folder and only the user may connect to it.
class SingleInstance : public QObject {
    Q_OBJECT

public:
    static QString defaultServerName();

    explicit SingleInstance(const QString& serverName, QObject* parent = nullptr);
    ~SingleInstance() override;

    // Client side: true when a running instance took the paths. Blocks for at most `timeoutMs`
    // per step; false when no instance answers.
    bool handOverToRunningInstance(const QStringList& absolutePaths, int timeoutMs = 5000) const;

    // Server side: starts listening, unless an instance answers already; a socket that no
    // instance answers any more is taken over.
    bool listen();
    // Whether an instance listens under this name and answers.
    bool anotherInstanceAnswers() const;
    bool isListening() const { return server_.isListening(); }
    QString errorString() const { return server_.errorString(); }

    // The launch arguments as absolute paths: file names relative to `workingDirectory`, file
    // URLs as their local paths. Empty arguments and URLs of other schemes are left out.
    static QStringList absolutePaths(const QStringList& arguments, const QString& workingDirectory);

Q_SIGNALS:
    // Emitted from the event loop once the sender has been answered.
    void documentsHandedOver(const QStringList& absolutePaths);

private:
    void acceptConnection();

    QString serverName_;
    QLocalServer server_;
};

} // namespace corvelle
