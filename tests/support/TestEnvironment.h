#pragma once

#include <QString>

namespace corvelle::test {

// The folder of the small media files the tests read (copy them before writing).
QString fixturesDir();
QString fixturePath(const QString& name);
// A writable copy of the fixture in `folder`, under `name` (a path inside it, its folders made)
// or its own name; the copy's path.
QString copyFixture(const QString& folder, const QString& fixture, const QString& name = {});

} // namespace corvelle::test
