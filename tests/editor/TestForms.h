#pragma once

#include "editor/FormLoader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace corvelle::test {

// Forms made for a test, found under the forms search prefix while the test runs.
class TestForms {
public:
    TestForms() { QDir::addSearchPath(FormLoader::searchPrefix, folder_.path()); }

    // A form of one empty widget of that size (free when empty).
    bool add(const QString& name, QSize size = {}) const
    {
        QString sizes;
        if (!size.isEmpty()) {
            const QString property = QStringLiteral("<property name=\"%1\"><size><width>%2</width><height>%3</height>"
                                                    "</size></property>");
            sizes = property.arg(QStringLiteral("minimumSize")).arg(size.width()).arg(size.height())
                    + property.arg(QStringLiteral("maximumSize")).arg(size.width()).arg(size.height());
        }
        QFile file(QDir(folder_.path()).filePath(name + QStringLiteral(".ui")));
        if (!file.open(QIODevice::WriteOnly))
            return false;
        file.write(QStringLiteral("<?xml version=\"1.0\" encoding=\"UTF-8\"?><ui version=\"4.0\"><class>%1</class>"
                                  "<widget class=\"QWidget\" name=\"%1\">%2</widget><resources/><connections/></ui>")
                       .arg(name, sizes)
                       .toUtf8());
        return true;
    }

private:
    QTemporaryDir folder_;
};

} // namespace corvelle::test
