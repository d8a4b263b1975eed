#include "engine/halvex/kit/KitSettings.h"

#include <QProcess>
#include <QtTest>

using halvex::EngineOption;
using halvex::KitSettings;
using halvex::MediaKind;
using halvex::MediaType;

class KitSettingsTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void derivesFileTypesFromMediaTypes()
    {
        KitSettings settings;
        QVERIFY(!settings.supportedMediaTypes().contains(MediaType::typeFolder()));
        QVERIFY(settings.supportedFileTypes().contains("JPG"));

        settings.setSupportedMediaTypes(
            MediaType::types({MediaKind::movie, MediaKind::audio, MediaKind::sidecar, MediaKind::other}));
        const auto fileTypes = settings.supportedFileTypes();
        for (const auto* expected : {"MOV", "QT", "MP4", "M4A", "XMP", "PDF"})
            QVERIFY2(fileTypes.contains(expected), expected);
        QVERIFY(!fileTypes.contains("JPG"));
        QVERIFY(!fileTypes.contains("mov"));
        QVERIFY(!fileTypes.contains(QString()));
        QVERIFY(!settings.supportedMediaTypes().contains(MediaType::typeFolder()));
        for (const auto& type : fileTypes)
            QCOMPARE(type, type.toUpper());
    }

    // ExifTool takes any -api name silently, so a misspelt option would just be lost.
    void engineOptionsAreKnownToExifTool()
    {
        const QStringList arguments = EngineOption::all.apiArguments();
        QCOMPARE(KitSettings().engineOptions(), EngineOption::all);
        QCOMPARE(arguments.size(), 4);
        QStringList names;
        for (int i = 0; i < arguments.size(); i += 2) {
            QCOMPARE(arguments[i], "-api");
            names << arguments[i + 1].section('=', 0, 0);
        }
        QProcess perl;
        perl.start("perl", QStringList{"-MImage::ExifTool", "-e",
                                       "$e = Image::ExifTool->new; "
                                       "print join(',', map { exists $$e{OPTIONS}{$_} ? 1 : 0 } @ARGV)"}
                               + names);
        QVERIFY(perl.waitForFinished());
        QCOMPARE(QString::fromUtf8(perl.readAllStandardOutput()), QStringList(names.size(), "1").join(','));
        QVERIFY(EngineOption().apiArguments().isEmpty());
    }
};

QTEST_GUILESS_MAIN(KitSettingsTest)
#include "KitSettingsTest.moc"
