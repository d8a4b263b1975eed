#include "support/TestEnvironment.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace corvelle::test {

QString fixturesDir()
{
    return QStringLiteral(CORVELLE_FIXTURES_DIR);
}

QString fixturePath(const QString& name)
{
    return QDir(fixturesDir()).filePath(name);
}

QString copyFixture(const QString& folder, const QString& fixture, const QString& name)
{
    const QString target = QDir(folder).filePath(name.isEmpty() ? fixture : name);
    QDir().mkpath(QFileInfo(target).path());
    QFile::remove(target);
    QFile::copy(fixturePath(fixture), target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
    return target;
}

} // namespace corvelle::test
