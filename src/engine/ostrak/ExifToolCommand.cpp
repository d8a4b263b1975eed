#include "engine/ostrak/ExifToolCommand.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace ostrak {

namespace {

bool isPerlSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
        || c == QLatin1Char('\r') || c == QLatin1Char('\f') || c == QLatin1Char('\v');
}

bool hasControlCharacter(const QString& text)
{
    for (const QChar c : text) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            return true;
    }
    return false;
}

// True when ExifTool reads the argument back unchanged from a plain line: it drops empty
// lines and "#" lines, strips leading white space and the white space around "=" of an
// assignment, and splits at newlines.
bool survivesPlainLine(const QString& argument)
{
    if (argument.isEmpty() || hasControlCharacter(argument))
        return false;
    if (isPerlSpace(argument.front()) || argument.front() == QLatin1Char('#'))
        return false;
    static const QRegularExpression assignment(QStringLiteral("^(-[-:\\w]+#?)\\s*([-+<]?=) ?"));
    const auto match = assignment.match(argument);
    return !match.hasMatch()
        || match.capturedLength(0) == match.capturedLength(1) + match.capturedLength(2);
}

QByteArray cString(const QString& argument)
{
    QByteArray line("#[CSTR]");
    for (const char c : argument.toUtf8()) {
        switch (c) {
        case '\\': line += "\\\\"; break;
        case '"': line += "\\\""; break;
        case '\n': line += "\\n"; break;
        case '\r': line += "\\r"; break;
        case '\t': line += "\\t"; break;
        default: line += c;
        }
    }
    return line;
}

} // namespace

ExifToolCommand::ExifToolCommand(const ExifToolRequest& request, quint64 sequence)
    : id_(QByteArray::number(sequence) + QByteArray::number(QRandomGenerator::global()->bounded(100000000, 1000000000)))
{
    for (const QString& argument : request.arguments) {
        const QByteArray line = encodeArgument(argument, valueFiles_, error_);
        if (!error_.isEmpty())
            return;
        bytes_ += line + '\n';
    }
    for (const QString& file : request.files) {
        if (file.isEmpty()) {
            // An empty name would become the current folder.
            error_ = ExifToolMessage(QStringLiteral("ExifToolArgumentError"), {file});
            return;
        }
        const QByteArray line = encodeArgument(absolutePath(file), valueFiles_, error_);
        if (!error_.isEmpty())
            return;
        bytes_ += line + '\n';
    }
    bytes_ += "-echo4\n{ready" + id_ + " ${status}}\n";
    bytes_ += "-execute" + id_ + '\n';
}

QByteArray ExifToolCommand::outputMarker() const
{
    return "{ready" + id_ + "}\n";
}

QByteArray ExifToolCommand::errorMarkerPrefix() const
{
    return "{ready" + id_ + ' ';
}

QString ExifToolCommand::absolutePath(const QString& path)
{
    // cleanPath would fold "a/../b" through a symbolic link the wrong way; only make it absolute.
    return QFileInfo(path).isAbsolute() ? path : QDir::current().absoluteFilePath(path);
}

QByteArray ExifToolCommand::encodeArgument(const QString& argument,
                                           std::vector<std::unique_ptr<QTemporaryFile>>& valueFiles,
                                           ExifToolMessage& error)
{
    // ExifTool also takes a minus sign (U+2212) for the dash of these.
    static const QRegularExpression control(QStringLiteral("^[-\\x{2212}](execute\\d*|stay_open|common_args)$"),
                                            QRegularExpression::CaseInsensitiveOption);
    if (control.match(argument).hasMatch()) {
        error = ExifToolMessage(QStringLiteral("ExifToolArgumentError"), {argument});
        return {};
    }
    if (survivesPlainLine(argument))
        return argument.toUtf8();
    if (!argument.contains(QLatin1Char('$')) && !argument.contains(QLatin1Char('@')))
        return cString(argument);

    static const QRegularExpression assignment(QStringLiteral("^(-[^=<>]+?)([-+^]?)=(.*)$"),
                                               QRegularExpression::DotMatchesEverythingOption);
    const auto match = assignment.match(argument);
    if (match.hasMatch()) {
        auto file = std::make_unique<QTemporaryFile>(QDir::temp().filePath(QStringLiteral("corvelle-value-XXXXXX")));
        const QByteArray value = match.captured(3).toUtf8();
        // "%" in the path would be read as a file name format; the value file needs a plain name.
        if (file->open() && file->write(value) == value.size() && file->flush()
            && survivesPlainLine(file->fileName()) && !file->fileName().contains(QLatin1Char('%'))) {
            const QString op = match.captured(2) == QLatin1String("^") ? QString() : match.captured(2);
            const QString line = match.captured(1) + op + QStringLiteral("<=") + file->fileName();
            valueFiles.push_back(std::move(file));
            return line.toUtf8();
        }
    }
    error = ExifToolMessage(QStringLiteral("ExifToolArgumentError"), {argument});
    return {};
}

} // namespace ostrak
