#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTest>

namespace ostrak::test {

// An 8x8 red JPEG made by ImageMagick, copied to `name` inside `dir` (any name: the copy is
// done here, not by a command line).
inline QString makeJpeg(const QDir& dir, const QString& name)
{
    const QString source = dir.filePath(QStringLiteral("source-8x8.jpg"));
    if (!QFile::exists(source)) {
        QProcess convert;
        convert.start(QStringLiteral("convert"), {QStringLiteral("-size"), QStringLiteral("8x8"),
                                                  QStringLiteral("xc:red"), source});
        if (!convert.waitForFinished(30000) || convert.exitCode() != 0)
            qFatal("ImageMagick's convert could not make a test JPEG");
    }
    const QString path = dir.filePath(name);
    QFile::remove(path);
    if (!QFile::copy(source, path))
        qFatal("could not copy the test JPEG");
    return path;
}

// True while the process exists, zombies included (they keep their /proc entry until reaped).
inline bool processExists(qint64 pid)
{
    return pid > 0 && QFile::exists(QStringLiteral("/proc/%1").arg(pid));
}

} // namespace ostrak::test
