#include "support/TestEnvironment.h"

#include <QDir>

namespace corvelle::test {

QString fixturesDir()
{
    return QStringLiteral(CORVELLE_FIXTURES_DIR);
}

QString fixturePath(const QString& name)
{
    return QDir(fixturesDir()).filePath(name);
}

} // namespace corvelle::test
