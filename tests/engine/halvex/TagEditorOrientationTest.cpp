#include "engine/halvex/tags/TagEditorOrientation.h"

#include "EndToEndTestSupport.h"

#include <QTest>

using namespace halvex;
using ostrak::TagName;

namespace {

using Operation = OrientationEditResult (*)(TagEditor&);

Operation operation(char letter)
{
    switch (letter) {
    case 'h':
        return &horizontalFlipOrientation;
    case 'v':
        return &verticalFlipOrientation;
    case 'l':
        return &rotateLeftOrientation;
    default:
        return &rotateRightOrientation;
    }
}

const TagName exifOrientationTag(QStringLiteral("IFD0"), QStringLiteral("Orientation"));
const TagName rotationTag(QStringLiteral("Composite"), QStringLiteral("Rotation"));

} // namespace

class TagEditorOrientationTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        files_.emplace();
        QVERIFY(files_->isValid());
    }

    void cleanup() { files_.reset(); }

    // A sequence of the plain operations ("h" flip horizontally, "v" vertically, "l" and "r"
    // turn left and right): images change their EXIF orientation, movies their track rotation.
    void plainSequences_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<QString>("operations");
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("expected"); // as ExifTool reads it (-n); empty: the file is not edited

        const QString photo = QStringLiteral("photo.jpg"); // EXIF 6
        const QString orientation = QStringLiteral("IFD0:Orientation");
        QTest::newRow("turn right four times") << photo << "rrrr" << orientation << QString();
        QTest::newRow("turn left then right") << photo << "lr" << orientation << QString();
        QTest::newRow("flip twice") << photo << "hh" << orientation << QString();
        QTest::newRow("turn right") << photo << "r" << orientation << "3";
        QTest::newRow("turn left to normal") << photo << "l" << orientation << "1";
        QTest::newRow("flip horizontally") << photo << "h" << orientation << "5";
        QTest::newRow("flip vertically") << photo << "v" << orientation << "7";
        QTest::newRow("flip then turn") << photo << "vrr" << orientation << "5";

        const QString rotation = QStringLiteral("Composite:Rotation");
        QTest::newRow("movie turned right") << QStringLiteral("movie.mov") << "r" << rotation << "180"; // from 90
        QTest::newRow("movie turned left") << QStringLiteral("movie.mov") << "l" << rotation << "0";
        QTest::newRow("movie turned right four times") << QStringLiteral("movie.mp4") << "rrrr" << rotation << QString();
        QTest::newRow("movie turned left from normal") << QStringLiteral("movie.mp4") << "l" << rotation << "270";
    }

    void plainSequences()
    {
        QFETCH(QString, fixture);
        QFETCH(QString, operations);
        QFETCH(QString, tag);
        QFETCH(QString, expected);
        const QString path = files_->copy(fixture);
        const auto editor = files_->open(path);
        const QString before = test::EndToEnd::read(path, {tag}, true);
        for (const QChar letter : operations)
            operation(letter.toLatin1())(*editor);

        QCOMPARE(editor->hasEdits(), !expected.isEmpty());
        QCOMPARE(files_->save({editor}), QString());
        QCOMPARE(test::EndToEnd::read(path, {tag}, true), expected.isEmpty() ? before : expected);
        // The other family is never touched.
        if (tag == u"IFD0:Orientation")
            QCOMPARE(test::EndToEnd::read(path, {QStringLiteral("Composite:Rotation")}), QStringLiteral("-"));
    }

    // A movie's track can be turned, not mirrored: the nearest turn is kept and the result says so.
    void movieMirrorsAreDropped_data()
    {
        QTest::addColumn<int>("exifNumber");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("rotation");
        QTest::newRow("turn") << 8 << int(OrientationEditResult::changed) << "270";
        QTest::newRow("mirrored and turned 90") << 7 << int(OrientationEditResult::mirrorDropped) << "90";
        QTest::newRow("mirrored and turned 270") << 5 << int(OrientationEditResult::mirrorDropped) << "270";
        // A flip of an unturned movie leaves it unturned.
        QTest::newRow("mirrored vertically") << 4 << int(OrientationEditResult::mirrorDropped) << "0";
        QTest::newRow("mirror alone") << 2 << int(OrientationEditResult::mirrorDropped) << "0";
        QTest::newRow("already so") << 1 << int(OrientationEditResult::unchanged) << "0";
    }

    void movieMirrorsAreDropped()
    {
        QFETCH(int, exifNumber);
        QFETCH(int, result);
        QFETCH(QString, rotation);
        const QString path = files_->copy(QStringLiteral("movie.mp4"));
        const auto editor = files_->open(path);
        QCOMPARE(int(setQuicktimeOrientation(*editor, *ExifOrientation::fromExifNumber(exifNumber))), result);
        QCOMPARE(files_->save({editor}), QString());
        QCOMPARE(test::EndToEnd::read(path, {QStringLiteral("Composite:Rotation")}), rotation);
        QCOMPARE(quicktimeOrientation(*editor), ExifOrientation::fromQuicktimeRotation(rotation.toInt()));

        const TaskMessage message = orientationMirrorDroppedMessage(*editor);
        QCOMPARE(message.severity, TaskMessage::Severity::warning);
        QCOMPARE(message.filePath, path);
    }

    void plainFlipOfAMovieKeepsItsTurn()
    {
        const auto editor = files_->open(files_->copy(QStringLiteral("movie.mov")));
        QCOMPARE(horizontalFlipOrientation(*editor), OrientationEditResult::mirrorDropped);
        QVERIFY(!editor->hasEdits());
        QCOMPARE(verticalFlipOrientation(*editor), OrientationEditResult::mirrorDropped);
        QVERIFY(!editor->hasEdits());
        QCOMPARE(quicktimeOrientation(*editor), ExifOrientation(ExifOrientation::rotate90));
        // A mirror with another turn turns the track.
        QCOMPARE(setQuicktimeOrientation(*editor, ExifOrientation::mirrorVertical), OrientationEditResult::mirrorDropped);
        QCOMPARE(quicktimeOrientation(*editor), ExifOrientation(ExifOrientation::rotate180));
    }

    // The EXIF and QuickTime families each edit their own tag only, and read back their edits.
    void familiesStayApart()
    {
        const auto editor = files_->open(files_->copy(QStringLiteral("movie.mov")));
        QCOMPARE(exifOrientation(*editor), ExifOrientation(ExifOrientation::normal));
        QCOMPARE(quicktimeOrientation(*editor), ExifOrientation(ExifOrientation::rotate90));
        QCOMPARE(setExifOrientation(*editor, ExifOrientation::rotate180), OrientationEditResult::changed);
        QCOMPARE(editor->editedTags(), QList<TagName>{exifOrientationTag});
        QCOMPARE(exifOrientation(*editor), ExifOrientation(ExifOrientation::rotate180));
        QCOMPARE(quicktimeOrientation(*editor), ExifOrientation(ExifOrientation::rotate90));

        const auto photo = files_->open(files_->copy(QStringLiteral("photo.jpg")));
        // A picture has no track to turn.
        QCOMPARE(setQuicktimeOrientation(*photo, ExifOrientation::rotate90), OrientationEditResult::unchanged);
        QVERIFY(!photo->hasEdits());
        // Writing the orientation the file has stages nothing.
        QCOMPARE(setExifOrientation(*photo, ExifOrientation::rotate90), OrientationEditResult::unchanged);
        QVERIFY(!photo->hasEdits());
    }

    void exifThumbnail()
    {
        const QString path = files_->copy(QStringLiteral("photo.jpg"));
        const auto editor = files_->open(path);
        QVERIFY(clearExifThumbnail(*editor));
        QVERIFY(restoreExifThumbnail(*editor));
        QVERIFY(!editor->hasEdits());
        QVERIFY(!restoreExifThumbnail(*editor));

        QVERIFY(clearExifThumbnail(*editor));
        QCOMPARE(files_->save({editor}), QString());
        QCOMPARE(test::EndToEnd::read(path, {QStringLiteral("ThumbnailImage")}), QStringLiteral("-"));
        QCOMPARE(test::EndToEnd::read(path, {QStringLiteral("IFD0:Make")}), QStringLiteral("Corvelle"));
        // Nothing left to clear.
        QVERIFY(!clearExifThumbnail(*editor));
    }

private:
    std::optional<test::EndToEnd> files_;
};

QTEST_GUILESS_MAIN(TagEditorOrientationTest)
#include "TagEditorOrientationTest.moc"
