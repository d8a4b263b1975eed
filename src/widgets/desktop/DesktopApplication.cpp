#include "widgets/desktop/DesktopApplication.h"

#include "widgets/TextLocalizer.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QPointer>
#include <QProcess>
#include <QStandardPaths>

namespace corvelle {

namespace {

// The keys of the [Desktop Entry] group, their general escapes undone.
QHash<QString, QString> readDesktopEntry(const QString& path, QString* error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        if (error)
            *error = localizedString(QStringLiteral("DesktopApplicationUnreadableEntry"), {path, file.errorString()});
        return {};
    }
    QHash<QString, QString> keys;
    bool inMainGroup = false;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            inMainGroup = line == QLatin1String("[Desktop Entry]");
            continue;
        }
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (!inMainGroup || equals <= 0)
            continue;
        const QString key = line.left(equals).trimmed();
        if (keys.contains(key))
            continue;
        QString value;
        const QString raw = line.mid(equals + 1).trimmed();
        for (qsizetype i = 0; i < raw.size(); ++i) {
            if (raw[i] != QLatin1Char('\\') || i + 1 == raw.size()) {
                value += raw[i];
                continue;
            }
            const QChar next = raw[++i];
            switch (next.unicode()) {
            case 's': value += QLatin1Char(' '); break;
            case 'n': value += QLatin1Char('\n'); break;
            case 't': value += QLatin1Char('\t'); break;
            case 'r': value += QLatin1Char('\r'); break;
            case '\\': value += QLatin1Char('\\'); break;
            // Kept for the Exec quoting, which has its own escapes.
            default: value += QLatin1Char('\\'); value += next; break;
            }
        }
        keys.insert(key, value);
    }
    return keys;
}

bool isLaunchable(const QHash<QString, QString>& entry)
{
    return entry.value(QStringLiteral("Type")) == QLatin1String("Application")
           && entry.value(QStringLiteral("Hidden")) != QLatin1String("true")
           && !entry.value(QStringLiteral("Exec")).trimmed().isEmpty();
}

QString fileArgument(const QUrl& url, bool asUrl)
{
    return asUrl || !url.isLocalFile() ? url.toString(QUrl::FullyEncoded) : url.toLocalFile();
}

} // namespace

QUrl DesktopApplication::applicationUrl(const QString& desktopId)
{
    const QString name = desktopId + QStringLiteral(".desktop");
    // The first folder that holds the entry decides, even when it hides it.
    const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, name);
    if (path.isEmpty() || !isLaunchable(readDesktopEntry(path, nullptr)))
        return {};
    return QUrl::fromLocalFile(path);
}

std::optional<QStringList> DesktopApplication::splitExec(const QString& exec)
{
    QStringList arguments;
    QString current;
    bool inArgument = false;
    bool quoted = false;
    for (qsizetype i = 0; i < exec.size(); ++i) {
        const QChar c = exec[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                quoted = false;
            } else if (c == QLatin1Char('\\') && i + 1 < exec.size()
                       && QStringLiteral("\"`$\\").contains(exec[i + 1])) {
                current += exec[++i];
            } else {
                current += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
            inArgument = true;
        } else if (c.isSpace()) {
            if (inArgument)
                arguments << current;
            current.clear();
            inArgument = false;
        } else {
            current += c;
            inArgument = true;
        }
    }
    if (quoted)
        return std::nullopt;
    if (inArgument)
        arguments << current;
    if (arguments.isEmpty())
        return std::nullopt;
    return arguments;
}

std::optional<QList<QStringList>> DesktopApplication::commandLines(const QUrl& applicationUrl, const QList<QUrl>& files,
                                                                   QString* error)
{
    const QString path = applicationUrl.toLocalFile();
    const QHash<QString, QString> entry = readDesktopEntry(path, error);
    if (entry.isEmpty())
        return std::nullopt;
    const std::optional<QStringList> exec = splitExec(entry.value(QStringLiteral("Exec")));
    if (!isLaunchable(entry) || !exec) {
        if (error)
            *error = localizedString(QStringLiteral("DesktopApplicationInvalidEntry"), {path});
        return std::nullopt;
    }

    // A command with %f or %u takes one file: it runs once per file.
    bool single = false;
    bool takesFiles = false;
    for (const QString& argument : *exec) {
        takesFiles = takesFiles || argument == QLatin1String("%F") || argument == QLatin1String("%U");
        single = single || argument.contains(QLatin1String("%f")) || argument.contains(QLatin1String("%u"));
    }
    takesFiles = takesFiles || single;

    const auto expand = [&](const QList<QUrl>& batch) {
        QStringList command;
        for (const QString& argument : *exec) {
            if (argument == QLatin1String("%F") || argument == QLatin1String("%U")) {
                for (const QUrl& url : batch)
                    command << fileArgument(url, argument == QLatin1String("%U"));
                continue;
            }
            if (argument == QLatin1String("%i")) {
                if (const QString icon = entry.value(QStringLiteral("Icon")); !icon.isEmpty())
                    command << QStringLiteral("--icon") << icon;
                continue;
            }
            QString expanded;
            for (qsizetype i = 0; i < argument.size(); ++i) {
                if (argument[i] != QLatin1Char('%') || i + 1 == argument.size()) {
                    expanded += argument[i];
                    continue;
                }
                switch (argument[++i].unicode()) {
                case '%': expanded += QLatin1Char('%'); break;
                case 'f': expanded += batch.isEmpty() ? QString() : fileArgument(batch.first(), false); break;
                case 'u': expanded += batch.isEmpty() ? QString() : fileArgument(batch.first(), true); break;
                case 'c': expanded += entry.value(QStringLiteral("Name")); break;
                case 'k': expanded += path; break;
                default: break; // deprecated and unknown codes are dropped
                }
            }
            // A lone %f or %u without a file is no argument at all.
            if (!expanded.isEmpty() || argument.isEmpty() || !argument.startsWith(QLatin1Char('%')))
                command << expanded;
        }
        if (!takesFiles) {
            for (const QUrl& url : batch)
                command << fileArgument(url, false);
        }
        return command;
    };

    QList<QStringList> commands;
    if (single && files.size() > 1) {
        for (const QUrl& url : files)
            commands << expand({url});
    } else {
        commands << expand(files);
    }
    return commands;
}

void DesktopApplication::openFiles(const QList<QUrl>& files, const QUrl& applicationUrl, QObject* context,
                                   Completion completion)
{
    std::optional<QString> failure;
    QString error;
    const std::optional<QList<QStringList>> commands = commandLines(applicationUrl, files, &error);
    if (!commands)
        failure = error;
    const QString workingFolder = commands ? readDesktopEntry(applicationUrl.toLocalFile(), nullptr)
                                                 .value(QStringLiteral("Path"))
                                           : QString();
    for (const QStringList& command : commands.value_or(QList<QStringList>())) {
        const QString program = QStandardPaths::findExecutable(command.first());
        if (program.isEmpty()) {
            failure = localizedString(QStringLiteral("DesktopApplicationMissingProgram"), {command.first()});
            break;
        }
        QProcess process;
        process.setProgram(program);
        process.setArguments(command.mid(1));
        if (!workingFolder.isEmpty())
            process.setWorkingDirectory(workingFolder);
        if (!process.startDetached()) {
            failure = localizedString(QStringLiteral("DesktopApplicationLaunchFailed"), {program, process.errorString()});
            break;
        }
    }
    if (!completion || !context)
        return;
    QMetaObject::invokeMethod(
        context, [completion = std::move(completion), failure] { completion(failure); }, Qt::QueuedConnection);
}

} // namespace corvelle
