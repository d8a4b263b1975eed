#pragma once

#include <QString>

namespace corvelle::test {

// The folder of the small media files the tests read (copy them before writing).
QString fixturesDir();
QString fixturePath(const QString& name);

} // namespace corvelle::test
