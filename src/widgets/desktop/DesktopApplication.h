#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

namespace corvelle {

// Other applications of the desktop, known by their desktop entries ("<id>.desktop" in the
// applications folders of the XDG data folders, the user's first).
class DesktopApplication {
public:
    // Why the application did not start, or none.
    using Completion = std::function<void(const std::optional<QString>& error)>;

    // The entry of the application with that id (without ".desktop"); empty when no folder holds
    // one that can be launched (hidden, not an application, or without command).
    static QUrl applicationUrl(const QString& desktopId);

    // The programs and arguments that open `files` with the entry: one command for all files, or
    // one per file when its command takes a single file. An entry whose command takes no file
    // gets the files at the end, so that they never go missing silently. None, with the reason
    // in `error`, when the entry cannot be read or has no command.
    static std::optional<QList<QStringList>> commandLines(const QUrl& applicationUrl, const QList<QUrl>& files,
                                                          QString* error = nullptr);

    // Starts the application with the files, apart from this process and without a shell.
    // `completion` runs later, on the thread of `context`, and only while `context` lives.
    static void openFiles(const QList<QUrl>& files, const QUrl& applicationUrl, QObject* context,
                          Completion completion);

    // The arguments of a desktop entry's Exec value, its quoting and escapes undone.
    static std::optional<QStringList> splitExec(const QString& exec);
};

} // namespace corvelle
