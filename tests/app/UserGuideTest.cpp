#include "app/UserGuide.h"

#include <QFile>
#include <QtTest>

using namespace corvelle;

class UserGuideTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    // The guide shipped inside the program lands where a browser can read it, whole.
    void guideIsWrittenForTheBrowser()
    {
        const QUrl url = UserGuide::writeToCache();
        QVERIFY(url.isLocalFile());
        QFile file(url.toLocalFile());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray html = file.readAll();
        QVERIFY(html.startsWith("<!DOCTYPE html>"));
        QVERIFY(html.trimmed().endsWith("</html>"));
        QVERIFY(html.contains("Sidecar files"));
    }
};

QTEST_MAIN(UserGuideTest)
#include "UserGuideTest.moc"
