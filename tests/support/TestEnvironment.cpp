#include "support/TestEnvironment.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace corvelle::test {

QString fixturesDir()
{
    return QStringLiteral(CORVELLE_FIXTURES_DIR);
}

QString fixturePath(const QString& name)
{
    return QDir(fixturesDir()).filePath(name);
}

namespace {

// Each test program runs with its own HOME and XDG folders (set by CTest); make sure they
// exist before Qt looks at them, with the runtime folder private as Qt expects.
void prepareTestHome()
{
    const QByteArray home = qgetenv("CORVELLE_TEST_HOME");
    if (home.isEmpty())
        return;
    for (const char* sub : {"config", "data", "cache", "run"})
        QDir().mkpath(QString::fromLocal8Bit(home) + QLatin1Char('/') + QLatin1String(sub));
    QFile::setPermissions(QString::fromLocal8Bit(home) + QStringLiteral("/run"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(prepareTestHome)

} // namespace corvelle::test
