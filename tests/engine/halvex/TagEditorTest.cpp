#include "engine/halvex/tags/ETTagEditor.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/ExifToolPool.h"
#include "engine/ostrak/TagRecordSet.h"
#include "platform/brisa/core/NotificationCenter.h"

#include "TagEditorTestSupport.h"

#include <QSet>
#include <QTemporaryDir>
#include <QtConcurrent>
#include <QtTest>

#include <atomic>

using namespace halvex;
using ostrak::TagName;

namespace {

TagName tag(const QString& raw)
{
    return TagName::fromRawValue(raw);
}

// ExifTool's JSON writes number-like values bare: compare those by number.
bool sameValue(const QJsonValue& json, const QString& text)
{
    if (json.isDouble())
        return text.toDouble() == json.toDouble();
    if (json.isBool())
        return text.compare(json.toBool() ? QLatin1String("true") : QLatin1String("false"), Qt::CaseInsensitive) == 0;
    return json.toString() == text;
}

bool sameValues(const QJsonValue& json, const QString& text, const QStringList& items)
{
    if (!json.isArray())
        return items.isEmpty() && sameValue(json, text);
    const QJsonArray array = json.toArray();
    if (array.size() != items.size())
        return false;
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (!sameValue(array.at(i), items.at(i)))
            return false;
    }
    return true;
}

TagStorage storageOf(const QList<std::pair<QString, QString>>& values)
{
    TagStorage storage(TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/nowhere/clip.mov"))));
    for (const auto& [name, value] : values)
        storage.setValue(tag(name), TagValue(value));
    return storage;
}

} // namespace

class TagEditorTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        // Dates print in local time; ExifTool processes inherit this.
        qputenv("TZ", "UTC");
        QVERIFY(dir_.isValid());
        const QDir dir(dir_.path());
        for (const QString& name : {QStringLiteral("movie.mp4"), QStringLiteral("movie.mov"), QStringLiteral("audio.m4a"),
                                    QStringLiteral("photo.jpg"), QStringLiteral("sidecar.xmp"),
                                    QStringLiteral("odd name -é.jpg")})
            paths_.append(test::copyFixture(dir, name));
        task_ = test::importFiles(paths_, &pool_);
        QVERIFY(task_->messages().isEmpty());
        QCOMPARE(task_->editors().size(), paths_.size());
    }

    // Every tag ExifTool prints is in the editor with the same printed and numeric value, in
    // the same order, repeated tags included.
    void valuesEqualExifTool_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < paths_.size(); ++i)
            QTest::newRow(qPrintable(QFileInfo(paths_[i]).fileName())) << i;
    }

    void valuesEqualExifTool()
    {
        QFETCH(int, index);
        const auto editor = task_->editors().at(index);
        QCOMPARE(editor->source().url().toLocalFile(), paths_[index]);
        const test::ExifToolReading reading = test::exifToolReading(paths_[index]);

        // ExifTool's "Group:CopyN:Name" keys: the lowest copy of a group and name is "Group:Name".
        QHash<TagName, QString> lowestCopy;
        for (const QString& key : reading.keys) {
            const QStringList parts = key.split(QLatin1Char(':'));
            const QString copy = parts.size() == 3 ? parts.at(1) : QString();
            const TagName plain(parts.first(), parts.last());
            if (parts.size() > 1 && (!lowestCopy.contains(plain) || copy.isEmpty()
                                     || (!lowestCopy[plain].isEmpty() && copy.mid(4).toInt() < lowestCopy[plain].mid(4).toInt())))
                lowestCopy.insert(plain, copy);
        }
        QList<TagName> expected;
        QHash<TagName, QString> keyOf;
        for (const QString& key : reading.keys) {
            const QStringList parts = key.split(QLatin1Char(':'));
            if (parts.size() < 2)
                continue;
            const QString copy = parts.size() == 3 ? parts.at(1) : QString();
            TagName name(parts.first(), parts.last());
            if (lowestCopy.value(name) != copy)
                name = TagName(parts.first() + QLatin1Char(':') + copy, parts.last());
            keyOf.insert(name, key);
            expected.append(name);
        }
        QCOMPARE(expected.size(), reading.json.size() - 1);
        QCOMPARE(editor->tagNames(), expected);

        for (const TagName& name : editor->tagNames()) {
            // Reading a file moves its access time.
            if (name.rawValue() == QLatin1String("System:FileAccessDate"))
                continue;
            const QJsonObject entry = reading.json.value(keyOf.value(name)).toObject();
            const auto value = editor->originalValue(name);
            QVERIFY(value);
            const QJsonValue val = entry.value(QStringLiteral("val"));
            if (val.isObject() || (val.isArray() && val.toArray().first().isObject())) {
                QVERIFY2(value->isStructure(), qPrintable(name.rawValue()));
                continue;
            }
            // A movie date never set is zero seconds from 1904: read in UTC, ExifTool gives the
            // epoch itself, the editor the zeros ExifTool uses for no date.
            if (val == QJsonValue(QStringLiteral("1904:01:01 00:00:00+00:00"))
                && (name.group() == QLatin1String("QuickTime") || name.group().startsWith(QLatin1String("Track")))) {
                QCOMPARE(value->text(), QStringLiteral("0000:00:00 00:00:00"));
                continue;
            }
            QVERIFY2(sameValues(entry.value(QStringLiteral("val")), value->text(), value->items()),
                     qPrintable(name.rawValue() + QStringLiteral(": ") + value->text()));
            const QJsonValue numeric = entry.contains(QStringLiteral("num")) ? entry.value(QStringLiteral("num"))
                                                                             : entry.value(QStringLiteral("val"));
            QVERIFY2(sameValues(numeric, value->numericText(), value->numericItems()),
                     qPrintable(name.rawValue() + QStringLiteral(" numeric: ") + value->numericText()));
            QCOMPARE(editor->currentValue(name), value->text());
            QCOMPARE(editor->tagItem(name).tagName(), name);
        }
        QCOMPARE(editor->originalTags(), expected);
        QVERIFY(!editor->hasEdits());
        QVERIFY(editor->editedTags().isEmpty());
    }

    void repeatedTagsAreDistinct()
    {
        const auto movie = editorNamed(QStringLiteral("movie.mov"));
        const QList<TagName> names = movie->tagNames();
        QCOMPARE(QSet<TagName>(names.begin(), names.end()).size(), names.size());
        const TagName first = tag(QStringLiteral("Track1:HandlerType"));
        const TagName copy = tag(QStringLiteral("Track1:Copy2:HandlerType"));
        QCOMPARE(movie->currentValue(first), QStringLiteral("Video Track"));
        QCOMPARE(movie->currentValue(copy), QStringLiteral("URL"));
        QVERIFY(names.contains(first));
        QVERIFY(names.contains(copy));
        QCOMPARE(copy.group(), QStringLiteral("Track1:Copy2"));
        QVERIFY(movie->currentValue(first) != movie->currentValue(copy));
        // The item of a copy is the database's item for the tag, under the copy's name.
        QVERIFY(!movie->tagItem(copy).isFallback());
        QCOMPARE(movie->tagItem(copy).tagName(), copy);
        QVERIFY(movie->tagItem(tag(QStringLiteral("Keys:NoSuchTagAnywhere"))).isFallback());
        // Whatever other groups hold a Title, the ItemList one keeps its plain name.
        QCOMPARE(editorNamed(QStringLiteral("movie.mp4"))->currentValue(tag(QStringLiteral("ItemList:Title"))),
                 QStringLiteral("Eiffel Tower at Dusk"));
    }

    void binaryValuesOnDemand_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("tagName");
        QTest::addColumn<QString>("exifToolTag");
        QTest::newRow("cover art") << "audio.m4a" << "ItemList:CoverArt" << "CoverArt";
        QTest::newRow("thumbnail") << "photo.jpg" << "IFD1:ThumbnailImage" << "ThumbnailImage";
    }

    void binaryValuesOnDemand()
    {
        QFETCH(QString, file);
        QFETCH(QString, tagName);
        QFETCH(QString, exifToolTag);
        const QString path = test::copyFixture(QDir(dir_.path()), file, QStringLiteral("binary-") + file);
        const auto task = test::importFiles({path}, &pool_);
        QCOMPARE(task->editors().size(), 1);
        const auto editor = task->editors().front();

        const auto stored = editor->originalValue(tag(tagName));
        QVERIFY(stored && stored->isBinary());
        const QByteArray expected = test::exifToolBinary(path, exifToolTag);
        QCOMPARE(stored->binarySize(), expected.size());
        ostrak::ExifToolMessage error;
        QCOMPARE(editor->binaryValue(tag(tagName), &error), expected);
        QVERIFY(error.isEmpty());
        // Kept once read: the file is not asked again.
        QVERIFY(QFile::remove(path));
        QCOMPARE(editor->binaryValue(tag(tagName), &error), expected);
        QVERIFY(error.isEmpty());
        QVERIFY(editor->binaryValue(tag(QStringLiteral("IFD1:PreviewImage")), &error).isEmpty());
        QVERIFY(!error.isEmpty());
    }

    void listItemsStayApart()
    {
        const auto photo = editorNamed(QStringLiteral("photo.jpg"));
        const TagName keywords = tag(QStringLiteral("IPTC:Keywords"));
        const QStringList stored{QStringLiteral("café"), QStringLiteral("Zürich"), QStringLiteral("lake, evening")};
        QCOMPARE(photo->currentValues(keywords), stored);
        QCOMPARE(photo->currentValue(keywords), QStringLiteral("café, Zürich, lake, evening"));
        QCOMPARE(photo->currentValues(tag(QStringLiteral("XMP-dc:Subject"))), stored);
        // A movie's keywords are one text.
        QCOMPARE(editorNamed(QStringLiteral("movie.mp4"))->currentValues(tag(QStringLiteral("Keys:Keywords"))),
                 QStringList{QStringLiteral("Paris, tower, dusk")});

        TagEditor editor(photo->storage());
        const QStringList edited{QStringLiteral("one, two"), QStringLiteral("three")};
        QVERIFY(editor.setValues(edited, keywords));
        QCOMPARE(editor.currentValues(keywords), edited);
        QCOMPARE(editor.edit(keywords)->values, edited);
        QVERIFY(editor.setValues(stored, keywords));
        QVERIFY(!editor.hasEdits());
    }

    void orientation_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("prefersQuicktime");
        QTest::addColumn<int>("exif");
        QTest::addColumn<int>("quicktime");
        QTest::newRow("rotated movie") << "movie.mov" << true << 1 << 6;
        QTest::newRow("upright movie") << "movie.mp4" << true << 1 << 1;
        QTest::newRow("rotated photo") << "photo.jpg" << false << 6 << 1;
        QTest::newRow("audio") << "audio.m4a" << false << 1 << 1;
    }

    void orientation()
    {
        QFETCH(QString, file);
        const auto editor = editorNamed(file);
        QTEST(editor->prefersQuicktime(), "prefersQuicktime");
        QTEST(editor->originalExifOrientationValue(), "exif");
        QTEST(editor->originalQuicktimeOrientationValue(), "quicktime");
    }

    void stagedEdits()
    {
        TagEditor editor(storageOf({{"Keys:Title", "Old"}, {"Keys:Artist", "Someone"}}));
        const TagName title = tag(QStringLiteral("Keys:Title"));
        const TagName artist = tag(QStringLiteral("Keys:Artist"));
        const TagName added = tag(QStringLiteral("UserData:Title"));

        QVERIFY(editor.setValue(QStringLiteral("New"), title));
        QVERIFY(!editor.setValue(QStringLiteral("New"), title));
        QVERIFY(editor.setValue(QStringLiteral("Added"), added));
        QVERIFY(editor.clearValue(artist));
        QVERIFY(editor.hasEdits());
        QCOMPARE(editor.currentValue(title), QStringLiteral("New"));
        QCOMPARE(editor.originalValue(title)->text(), QStringLiteral("Old"));
        QCOMPARE(editor.currentValue(artist), std::nullopt);
        QVERIFY(editor.edit(artist)->isDeletion());
        QCOMPARE(editor.tagNames(), (QList<TagName>{title, artist, added}));
        QCOMPARE(editor.originalTags(), (QList<TagName>{title, artist}));
        QCOMPARE(editor.editedTags(), (QList<TagName>{title, added, artist}));
        QCOMPARE(editor.storage().currentValue(title), QStringLiteral("Old"));

        // Back to the stored value, or deleting an absent tag: nothing left to write.
        QVERIFY(editor.setValue(QStringLiteral("Old"), title));
        QVERIFY(!editor.isEdited(title));
        QVERIFY(!editor.clearValue(tag(QStringLiteral("Keys:Absent"))));
        QVERIFY(editor.restoreValue(artist));
        QVERIFY(!editor.restoreValue(artist));
        QCOMPARE(editor.currentValue(artist), QStringLiteral("Someone"));
        QVERIFY(editor.restoreAllValues());
        QVERIFY(!editor.hasEdits());
        QCOMPARE(editor.tagNames(), (QList<TagName>{title, artist}));
    }

    // After a save, the written edits leave; edits staged while it ran stay.
    void reloadAfterSave()
    {
        TagEditor editor(storageOf({{"Keys:Title", "Old"}, {"Keys:Artist", "Someone"}}));
        const TagName title = tag(QStringLiteral("Keys:Title"));
        const TagName artist = tag(QStringLiteral("Keys:Artist"));
        const TagName comment = tag(QStringLiteral("Keys:Comment"));
        const TagName genre = tag(QStringLiteral("Keys:Genre"));
        editor.setValue(QStringLiteral("Saved title"), title);
        editor.clearValue(artist);
        editor.setValue(QStringLiteral("Drama"), genre);
        const QList<TagEdit> written = editor.edits();

        editor.setValue(QStringLiteral("Newer title"), title);
        editor.setValue(QStringLiteral("Meanwhile"), comment);
        editor.restoreValue(genre);

        editor.reload(storageOf({{"Keys:Title", "Saved title"}, {"Keys:Genre", "Drama"}}), written);
        QCOMPARE(editor.editedTags(), (QList<TagName>{title, comment}));
        QCOMPARE(editor.currentValue(title), QStringLiteral("Newer title"));
        QCOMPARE(editor.originalValue(title)->text(), QStringLiteral("Saved title"));
        QCOMPARE(editor.currentValue(artist), std::nullopt);
        QCOMPARE(editor.currentValue(genre), QStringLiteral("Drama"));

        // A reload without a save keeps every edit that still changes something.
        editor.reload(storageOf({{"Keys:Title", "Other"}, {"Keys:Comment", "Meanwhile"}}));
        QCOMPARE(editor.editedTags(), (QList<TagName>{title}));
    }

    void notifications()
    {
        ETTagEditor folder(TagStorage(TagStorageSource(QUrl::fromLocalFile(dir_.path()))));
        QVERIFY(folder.isFolder());
        QCOMPARE(folder.fileName(), QDir(dir_.path()).dirName());
        QStringList posted;
        auto& center = brisa::NotificationCenter::defaultCenter();
        const QList<brisa::NotificationCenter::Token> tokens{
            center.addObserver(TagEditor::didChangeSourceNotification, static_cast<const TagEditor*>(&folder),
                               [&](const brisa::Notification&) { posted << QStringLiteral("source"); }),
            center.addObserver(ETTagEditor::didChangeRecurseSubfoldersNotification, static_cast<const TagEditor*>(&folder),
                               [&](const brisa::Notification&) { posted << QStringLiteral("recurse"); }),
            center.addObserver(ETTagEditor::didChangeFilePathFilterNotification, static_cast<const TagEditor*>(&folder),
                               [&](const brisa::Notification&) { posted << QStringLiteral("filter"); }),
        };
        folder.setSource(folder.source());
        folder.setSource(TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/elsewhere"))));
        folder.setRecurseSubfolders(true);
        folder.setRecurseSubfolders(true);
        folder.setFilePathFilter(ostrak::ETPathFilter({QStringLiteral("*.mov")}));
        folder.setFilePathFilter(ostrak::ETPathFilter({QStringLiteral("*.mov")}));
        folder.setFilePathFilter(std::nullopt);
        for (auto token : tokens)
            center.removeObserver(token);
        QCOMPARE(posted, (QStringList{"source", "recurse", "filter", "filter"}));
        QCOMPARE(folder.fileName(), QStringLiteral("elsewhere"));
        QVERIFY(folder.recurseSubfolders());
        QCOMPARE(folder.filePathFilter(), std::nullopt);

        // A folder's edits go to its files, whatever the folder holds itself.
        const TagName title = tag(QStringLiteral("Keys:Title"));
        QVERIFY(folder.clearValue(title));
        QVERIFY(folder.hasEdits());
    }

    // Readers on other threads always see a whole state while tasks edit and reload.
    void readsWhileEditing()
    {
        const auto movie = editorNamed(QStringLiteral("movie.mp4"));
        TagEditor editor(movie->storage());
        const TagName title = tag(QStringLiteral("ItemList:Title"));
        const TagName added = tag(QStringLiteral("XMP-dc:Title"));
        QVERIFY(editor.currentValue(title));
        const QString original = *editor.currentValue(title);
        const int storedCount = int(editor.originalTags().size());
        const QSet<QString> titles{original, QStringLiteral("first"), QStringLiteral("second")};
        std::atomic<bool> done = false;
        std::atomic<int> faults = 0;

        auto reader = [&] {
            while (!done) {
                const QList<TagName> names = editor.tagNames();
                if (names.size() != storedCount && names.size() != storedCount + 1)
                    ++faults;
                const auto current = editor.currentValue(title);
                if (!current || !titles.contains(*current))
                    ++faults;
                const QList<TagEdit> edits = editor.edits();
                if (edits.size() > 2 || editor.editedTags().size() > 2)
                    ++faults;
                for (const TagEdit& edit : edits) {
                    if (edit.tagName != title && edit.tagName != added)
                        ++faults;
                }
                if (editor.storage().count() != storedCount)
                    ++faults;
            }
        };
        QList<QFuture<void>> readers;
        for (int i = 0; i < 3; ++i)
            readers.append(QtConcurrent::run(reader));
        QFuture<void> writer = QtConcurrent::run([&] {
            for (int i = 0; i < 20000; ++i) {
                editor.setValue(i % 2 ? QStringLiteral("first") : QStringLiteral("second"), title);
                editor.setValue(QStringLiteral("x%1").arg(i), added);
                if (i % 7 == 0)
                    editor.restoreValue(title);
                if (i % 11 == 0)
                    editor.reload(movie->storage(), editor.edits());
                if (i % 13 == 0)
                    editor.restoreAllValues();
            }
        });
        writer.waitForFinished();
        done = true;
        for (auto& future : readers)
            future.waitForFinished();
        QCOMPARE(faults.load(), 0);
    }

private:
    std::shared_ptr<TagEditor> editorNamed(const QString& name) const
    {
        for (const auto& editor : task_->editors()) {
            if (editor->fileName() == name)
                return editor;
        }
        qFatal("no editor for %s", qPrintable(name));
    }

    QTemporaryDir dir_;
    ostrak::ExifToolPool pool_{4};
    QStringList paths_;
    std::shared_ptr<ImportTagEditorsTask> task_;
};

QTEST_GUILESS_MAIN(TagEditorTest)
#include "TagEditorTest.moc"
