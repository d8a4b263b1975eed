#include "EndToEndTestSupport.h"
#include "engine/halvex/tasks/CSVTable.h"
#include "engine/halvex/tasks/ExportCSVTableTask.h"
#include "engine/halvex/tasks/ExportTagValuesTask.h"
#include "engine/halvex/tasks/FileExportImagesTask.h"
#include "engine/halvex/tasks/ImportCSVTableTask.h"
#include "engine/halvex/tasks/ImportTagValuesTask.h"
#include "engine/halvex/tasks/SyncSidecarFilesTask.h"
#include "engine/ostrak/ETSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace halvex;
using halvex::test::EndToEnd;
using ostrak::TagName;
using EditorPtr = std::shared_ptr<TagEditor>;

namespace {

TagName tag(const QString& raw)
{
    return TagName::fromRawValue(raw);
}

// Each message as "key: file", one line each.
QStringList messageLines(const AbstractTask& task)
{
    QStringList lines;
    for (const TaskMessage& message : task.messages())
        lines << message.reason.key + QStringLiteral(": ") + QFileInfo(message.filePath).fileName();
    return lines;
}

// The message arguments, joined, for the texts that must name a row or a value.
QString messageArguments(const AbstractTask& task)
{
    QStringList lines;
    for (const TaskMessage& message : task.messages()) {
        QStringList arguments;
        for (const QVariant& argument : message.reason.arguments)
            arguments << argument.toString();
        lines << message.reason.key + QLatin1Char(' ') + arguments.join(QLatin1Char('|'));
    }
    return lines.join(QLatin1Char('\n'));
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A whole JPEG stream: its start and end markers.
bool isJpeg(const QByteArray& bytes)
{
    return bytes.startsWith("\xff\xd8") && bytes.endsWith("\xff\xd9");
}

void writeBytes(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

class ImportExportTasksTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        e2e_.emplace();
        backups_.emplace();
        QVERIFY(e2e_->isValid());
        ostrak::ETSettings::shared().setBackupFolder(backups_->path());
    }

    // Every kind ExifTool can make from a JPEG lands in the chosen folder under the file's name,
    // holds the file's tags, and a name already taken is reported with the old file kept.
    void exportTagValuesToFolder_data()
    {
        QTest::addColumn<QString>("extension");
        QTest::addColumn<QString>("readBack"); // a tag of the sidecar; empty: look at the bytes
        QTest::newRow("xmp") << "xmp" << "XMP-dc:Title";
        QTest::newRow("exif") << "exif" << "IFD0:Make";
        QTest::newRow("mie") << "mie" << "IFD0:Make";
        QTest::newRow("exv") << "exv" << "IPTC:City";
        QTest::newRow("csv") << "csv" << "";
        QTest::newRow("json") << "json" << "";
    }
    void exportTagValuesToFolder()
    {
        QFETCH(QString, extension);
        QFETCH(QString, readBack);
        const QString photo = e2e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("-odd, \"name\".jpg"));
        const EditorPtr editor = e2e_->open(photo);
        QVERIFY(editor);
        QTemporaryDir out;
        const QString sidecar = out.filePath(QStringLiteral("-odd, \"name\".") + extension);
        auto task = std::make_shared<ExportTagValuesTask>(
            ExportTagValuesTask::Settings{{editor}, QUrl::fromLocalFile(out.path()), extension, nullptr});
        test::runTask(task);
        QCOMPARE(messageLines(*task), QStringList());
        if (readBack.isEmpty()) {
            const QByteArray bytes = bytesOf(sidecar);
            QVERIFY2(bytes.contains("Café in Zürich"), bytes.constData());
            QVERIFY(bytes.contains("XMP-dc:Title") || bytes.contains("XMP-dc:Title\""));
        } else {
            QVERIFY(!EndToEnd::read(sidecar, {readBack}).isEmpty());
            QVERIFY(EndToEnd::read(sidecar, {readBack}) != QLatin1String("-"));
        }

        // A second export finds the name taken: reported, the old file kept as it was.
        writeBytes(sidecar, "kept");
        test::runTask(task = std::make_shared<ExportTagValuesTask>(task->settings()));
        QCOMPARE(messageLines(*task), QStringList{QStringLiteral("SidecarExistsError: -odd, \"name\".jpg")});
        QCOMPARE(bytesOf(sidecar), QByteArray("kept"));
    }

    // What cannot be written is a message naming the file; the other files go on.
    void exportTagValuesFailures()
    {
        const QString photo = e2e_->copy(QStringLiteral("photo.jpg"));
        const QString movie = e2e_->copy(QStringLiteral("movie.mov"));
        const QList<EditorPtr> editors = e2e_->open(QStringList{photo, movie});
        QCOMPARE(editors.size(), 2);
        QTemporaryDir out;

        // No colour profile in either file: nothing to save, both said so.
        auto icc = std::make_shared<ExportTagValuesTask>(
            ExportTagValuesTask::Settings{editors, QUrl::fromLocalFile(out.path()), QStringLiteral("icc"), nullptr});
        test::runTask(icc);
        // Files are exported in parallel: the messages come in any order.
        QStringList lines = messageLines(*icc);
        lines.sort();
        QCOMPARE(lines, (QStringList{QStringLiteral("SidecarNoProfileError: movie.mov"),
                                     QStringLiteral("SidecarNoProfileError: photo.jpg")}));
        QCOMPARE(QDir(out.path()).entryList(QDir::Files), QStringList());

        // A folder gone before the task ran.
        auto gone = std::make_shared<ExportTagValuesTask>(ExportTagValuesTask::Settings{
            editors, QUrl::fromLocalFile(out.filePath(QStringLiteral("gone"))), QStringLiteral("xmp"), nullptr});
        test::runTask(gone);
        QCOMPARE(gone->messages().size(), 1);
        QCOMPARE(gone->messages().front().reason.key, QStringLiteral("SidecarFolderMissingError"));

        // A read-only folder: each file reported, nothing left behind.
        const QString locked = out.filePath(QStringLiteral("locked"));
        QVERIFY(QDir().mkdir(locked));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        auto readOnly = std::make_shared<ExportTagValuesTask>(ExportTagValuesTask::Settings{
            editors, QUrl::fromLocalFile(locked), QStringLiteral("xmp"), nullptr});
        test::runTask(readOnly);
        QCOMPARE(readOnly->messages().size(), 2);
    }

    // Beside the files: export makes the sidecar, a second export updates it after a backup;
    // import stages the sidecar's values and keeps the editor's other unsaved edits.
    void sidecarsBesideTheFiles()
    {
        const QString photo = e2e_->copy(QStringLiteral("photo.jpg"));
        const QString sidecar = QFileInfo(photo).absolutePath() + QStringLiteral("/photo.xmp");
        EditorPtr editor = e2e_->open(photo);
        QVERIFY(editor);

        SyncSidecarFilesTask::Settings exports;
        exports.editors = {editor};
        exports.exports = true;
        exports.extension = QStringLiteral("xmp");
        auto task = std::make_shared<SyncSidecarFilesTask>(exports);
        test::runTask(task);
        QCOMPARE(messageLines(*task), QStringList());
        QCOMPARE(EndToEnd::read(sidecar, {QStringLiteral("XMP-dc:Title")}), QStringLiteral("Café in Zürich"));

        // The sidecar holds a tag of its own that the file lacks; the file's title changes.
        EndToEnd::exifTool({QStringLiteral("-XMP-dc:Source=sidecar only"), sidecar});
        EndToEnd::exifTool({QStringLiteral("-XMP-dc:Title=New title"), photo});
        test::runTask(task = std::make_shared<SyncSidecarFilesTask>(exports));
        QCOMPARE(messageLines(*task), QStringList());
        QCOMPARE(EndToEnd::read(sidecar, {QStringLiteral("XMP-dc:Title"), QStringLiteral("XMP-dc:Source")}),
                 QStringLiteral("New title\nsidecar only"));
        const QStringList backups = QDir(backups_->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(backups.size(), 1);
        QVERIFY(QFileInfo::exists(backups_->filePath(backups.front() + QStringLiteral("/photo.xmp"))));

        // Import: the sidecar's values are staged, not written; an unsaved edit of another tag stays.
        EndToEnd::exifTool({QStringLiteral("-XMP-dc:Title=From the sidecar"), QStringLiteral("-XMP-dc:Rights=Mine"), sidecar});
        editor = e2e_->open(photo);
        QVERIFY(editor->setValue(QStringLiteral("Unsaved"), tag(QStringLiteral("IFD0:Artist"))));
        SyncSidecarFilesTask::Settings imports = exports;
        imports.editors = {editor};
        imports.exports = false;
        test::runTask(task = std::make_shared<SyncSidecarFilesTask>(imports));
        QCOMPARE(messageLines(*task), QStringList());
        QCOMPARE(editor->currentValue(tag(QStringLiteral("XMP-dc:Title"))), QStringLiteral("From the sidecar"));
        QCOMPARE(editor->currentValue(tag(QStringLiteral("XMP-dc:Rights"))), QStringLiteral("Mine"));
        QCOMPARE(editor->currentValue(tag(QStringLiteral("IFD0:Artist"))), QStringLiteral("Unsaved"));
        QCOMPARE(EndToEnd::read(photo, {QStringLiteral("XMP-dc:Title")}), QStringLiteral("New title"));
        QCOMPARE(e2e_->save({editor}), QString());
        QCOMPARE(EndToEnd::read(photo, {QStringLiteral("XMP-dc:Title"), QStringLiteral("XMP-dc:Rights"), QStringLiteral("IFD0:Artist")}),
                 QStringLiteral("From the sidecar\nMine\nUnsaved"));
    }

    // A missing or corrupt sidecar is reported by name and the other files still import;
    // copies are matched by file name in the chosen folder.
    void sidecarImportFailuresAndCopies()
    {
        const QString photo = e2e_->copy(QStringLiteral("photo.jpg"));
        const QString second = e2e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("second.jpg"));
        const QString third = e2e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("third.jpg"));
        const QString fourth = e2e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("fourth.jpg"));
        const QList<EditorPtr> editors = e2e_->open(QStringList{photo, second, third, fourth});
        QCOMPARE(editors.size(), 4);
        const QString folder = QFileInfo(photo).absolutePath();
        QFile::copy(corvelle::test::fixturePath(QStringLiteral("sidecar.xmp")), folder + QStringLiteral("/third.xmp"));
        writeBytes(folder + QStringLiteral("/second.xmp"), "<?xml version='1.0'?><x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF");
        // Not XMP at all, whatever its name.
        writeBytes(folder + QStringLiteral("/fourth.xmp"), "plain text");

        SyncSidecarFilesTask::Settings settings;
        settings.editors = editors;
        settings.extension = QStringLiteral("xmp");
        auto task = std::make_shared<SyncSidecarFilesTask>(settings);
        test::runTask(task);
        QStringList lines = messageLines(*task);
        lines.sort();
        QCOMPARE(lines, (QStringList{QStringLiteral("SidecarKindError: fourth.jpg"), QStringLiteral("SidecarMissingError: photo.jpg"),
                                     QStringLiteral("SidecarReadError: second.jpg")}));
        QVERIFY(!editors[3]->hasEdits());
        QVERIFY(!editors[0]->hasEdits());
        QVERIFY(!editors[1]->hasEdits());
        QVERIFY(editors[2]->hasEdits());

        // Copies: the same name in another folder; the copy's title arrives, nothing else moves.
        QTemporaryDir copies;
        const QString copy = test::copyFixture(QDir(copies.path()), QStringLiteral("photo.jpg"));
        EndToEnd::exifTool({QStringLiteral("-XMP-dc:Title=From the copy"), copy});
        const EditorPtr fresh = e2e_->open(photo);
        SyncSidecarFilesTask::Settings fromCopies;
        fromCopies.editors = {fresh};
        fromCopies.folder = QUrl::fromLocalFile(copies.path());
        test::runTask(task = std::make_shared<SyncSidecarFilesTask>(fromCopies));
        QCOMPARE(messageLines(*task), QStringList());
        QCOMPARE(fresh->editedTags(), QList<TagName>{tag(QStringLiteral("XMP-dc:Title"))});
        QCOMPARE(fresh->currentValue(tag(QStringLiteral("XMP-dc:Title"))), QStringLiteral("From the copy"));
    }

    // One source into several files, without the chosen names and streams; nothing written
    // before a save, and a source that cannot be read stages nothing.
    void importTagValues()
    {
        const QString source = e2e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("source.jpg"));
        EndToEnd::exifTool({QStringLiteral("-XMP-dc:Title=Imported"), QStringLiteral("-IFD0:Artist=Ann"),
                            QStringLiteral("-IPTC:City=Bern"), QStringLiteral("-GPS:all="), source});
        const QString a = e2e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("a.jpg"));
        const QString b = e2e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("b.jpg"));
        const QList<EditorPtr> editors = e2e_->open(QStringList{a, b});
        QCOMPARE(editors.size(), 2);

        ImportTagValuesTask::Settings settings(editors);
        settings.source = TagStorageSource(QUrl::fromLocalFile(source));
        settings.excludedNames = {tag(QStringLiteral("IFD0:Artist"))};
        settings.excludedStreams = {ostrak::TagStream::streamIPTC()};
        auto task = std::make_shared<ImportTagValuesTask>(settings);
        test::runTask(task);
        QCOMPARE(messageLines(*task), QStringList());
        for (const EditorPtr& editor : editors) {
            QCOMPARE(editor->currentValue(tag(QStringLiteral("XMP-dc:Title"))), QStringLiteral("Imported"));
            QVERIFY(!editor->isEdited(tag(QStringLiteral("IFD0:Artist"))));
            QVERIFY(!editor->isEdited(tag(QStringLiteral("IPTC:City"))));
            for (const TagName& edited : editor->editedTags()) {
                QVERIFY2(edited.group() != QLatin1String("IPTC") && edited.group() != QLatin1String("System")
                             && edited.group() != QLatin1String("Composite"),
                         qPrintable(edited.rawValue()));
            }
        }
        QCOMPARE(EndToEnd::read(a, {QStringLiteral("XMP-dc:Title")}), QStringLiteral("Café in Zürich"));
        QCOMPARE(e2e_->save(editors), QString());
        QCOMPARE(EndToEnd::read(b, {QStringLiteral("XMP-dc:Title"), QStringLiteral("IFD0:Artist"), QStringLiteral("IPTC:City")}),
                 QStringLiteral("Imported\n-\nZürich"));

        // A corrupt source: one message naming it, no editor touched.
        const EditorPtr fresh = e2e_->open(a);
        ImportTagValuesTask::Settings corrupt({fresh});
        corrupt.source = TagStorageSource(QUrl::fromLocalFile(corvelle::test::fixturePath(QStringLiteral("corrupt.mp4"))));
        test::runTask(task = std::make_shared<ImportTagValuesTask>(corrupt));
        QCOMPARE(messageLines(*task), QStringList{QStringLiteral("ImportSourceReadError: corrupt.mp4")});
        QVERIFY(!fresh->hasEdits());
    }

    // Values with commas, quotes, line breaks and other scripts, and file names with commas,
    // quotes and a leading "-", survive a table written and read back.
    void csvTableRoundTrip()
    {
        const QString first = e2e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("-first, \"one\".jpg"));
        const QString second = e2e_->copy(QStringLiteral("photo.jpg"), QStringLiteral("second.jpg"));
        QList<EditorPtr> editors = e2e_->open(QStringList{first, second});
        QCOMPARE(editors.size(), 2);
        const QString description = QStringLiteral("Line one, \"quoted\"\nline two – Ελλάδα 東京");
        QVERIFY(editors[0]->setValue(description, tag(QStringLiteral("XMP-dc:Description"))));
        QVERIFY(editors[1]->setValue(QStringLiteral(" leading space"), tag(QStringLiteral("XMP-dc:Title"))));
        // List items that hold the list's own separator, or begin with a quote.
        const QStringList subjects{QStringLiteral("Paris, France"), QStringLiteral("\"Lumière\" night"), QStringLiteral("river")};
        QVERIFY(editors[1]->setValues(subjects, tag(QStringLiteral("XMP-dc:Subject"))));

        QTemporaryDir out;
        const QString table = out.filePath(QStringLiteral("table.csv"));
        ExportCSVTableTask::Settings exports(editors);
        exports.tagItems = {*tag(QStringLiteral("XMP-dc:Title")).item(), *tag(QStringLiteral("XMP-dc:Description")).item(),
                            *tag(QStringLiteral("XMP-dc:Subject")).item(), *tag(QStringLiteral("IFD0:Orientation")).item()};
        exports.destination = QUrl::fromLocalFile(table);
        auto exportTask = std::make_shared<ExportCSVTableTask>(exports);
        test::runTask(exportTask);
        QCOMPARE(messageLines(*exportTask), QStringList());
        const auto parsed = CSVTable::parse(bytesOf(table));
        QVERIFY(parsed);
        QCOMPARE(parsed->rows.size(), 3);
        QCOMPARE(parsed->rows[0], (QStringList{QStringLiteral("SourceFile"), QStringLiteral("XMP-dc:Title"),
                                               QStringLiteral("XMP-dc:Description"), QStringLiteral("XMP-dc:Subject"),
                                               QStringLiteral("IFD0:Orientation")}));
        QCOMPARE(parsed->rows[1][2], description);
        // The fixture's third subject, "lake, evening", holds the separator.
        QCOMPARE(parsed->rows[1][3], QStringLiteral("\"café\", \"Zürich\", \"lake, evening\""));
        QCOMPARE(parsed->rows[2][3], QStringLiteral("\"Paris, France\", \"\"\"Lumière\"\" night\", \"river\""));

        // Fresh editors of the unsaved files take the table back and write it on save.
        editors = e2e_->open(QStringList{first, second});
        auto importTask = std::make_shared<ImportCSVTableTask>(ImportCSVTableTask::Settings{editors, QUrl::fromLocalFile(table)});
        test::runTask(importTask);
        QCOMPARE(messageArguments(*importTask), QString());
        QCOMPARE(editors[0]->currentValue(tag(QStringLiteral("XMP-dc:Description"))), description);
        QCOMPARE(editors[1]->currentValue(tag(QStringLiteral("XMP-dc:Title"))), QStringLiteral(" leading space"));
        QCOMPARE(editors[1]->currentValues(tag(QStringLiteral("XMP-dc:Subject"))), std::optional<QStringList>(subjects));
        QVERIFY(!editors[0]->isEdited(tag(QStringLiteral("XMP-dc:Subject"))));
        QVERIFY(!editors[0]->isEdited(tag(QStringLiteral("IFD0:Orientation"))));
        QCOMPARE(e2e_->save(editors), QString());
        QCOMPARE(EndToEnd::read(first, {QStringLiteral("XMP-dc:Description")}), QStringLiteral("Line one, \"quoted\"\nline two – Ελλάδα 東京").replace(QLatin1Char('\n'), QLatin1Char('.')));

        // Exporting over the table keeps the old one in the backups.
        test::runTask(exportTask = std::make_shared<ExportCSVTableTask>(exports));
        QCOMPARE(messageLines(*exportTask), QStringList());
        QCOMPARE(QDir(backups_->path()).entryList(QDir::Dirs | QDir::NoDotAndDotDot).size(), 1);
    }

    // A list cell reads as people type lists, and quotes its items only when one of them would
    // not come back otherwise.
    void csvListCells_data()
    {
        QTest::addColumn<QStringList>("items");
        QTest::addColumn<QString>("cell");
        QTest::newRow("plain items") << QStringList{"café", "lake"} << "café, lake";
        QTest::newRow("a comma without a space stays plain") << QStringList{"1,5", "x"} << "1,5, x";
        QTest::newRow("an item holding the separator") << QStringList{"Paris, France", "summer"} << "\"Paris, France\", \"summer\"";
        QTest::newRow("an item beginning with a quote") << QStringList{"\"Hi\" there"} << "\"\"\"Hi\"\" there\"";
        QTest::newRow("one empty item") << QStringList{QString()} << "";
    }

    void csvListCells()
    {
        QFETCH(QStringList, items);
        QFETCH(QString, cell);
        QCOMPARE(CSVTable::listCell(items), cell);
        QCOMPARE(CSVTable::listItems(cell), items);
        // Typed by hand and not wholly quoted: split where the separator stands.
        QCOMPARE(CSVTable::listItems(QStringLiteral("\"a\", b")), (QStringList{"\"a\"", "b"}));
    }

    // Each bad row or cell is a message naming the table, the row and the reason; the good
    // cells of the same table still arrive.
    void csvTableImportProblems()
    {
        const QString photo = e2e_->copy(QStringLiteral("photo.jpg"));
        const EditorPtr editor = e2e_->open(photo);
        QTemporaryDir out;
        const QString table = out.filePath(QStringLiteral("bad.csv"));
        writeBytes(table, QStringLiteral("SourceFile,XMP-dc:Title,IFD0:Orientation,Nothing:Such,Composite:ImageSize\n"
                                         "%1,Good,sideways,x,1\n"
                                         "%2/elsewhere.jpg,Lost,,,\n"
                                         "photo.jpg,,Rotate 180,,\n")
                              .arg(photo, out.path())
                              .toUtf8());
        // The third row names the file relative to the table's folder, which holds no such file.
        auto task = std::make_shared<ImportCSVTableTask>(ImportCSVTableTask::Settings{{editor}, QUrl::fromLocalFile(table)});
        test::runTask(task);
        const QString messages = messageArguments(*task);
        QVERIFY2(messages.contains(QStringLiteral("CSVTableUnknownColumnError ") + table + QStringLiteral("|Nothing:Such")), qPrintable(messages));
        QVERIFY2(messages.contains(QStringLiteral("CSVTableReadOnlyColumnError ") + table + QStringLiteral("|Composite:ImageSize")), qPrintable(messages));
        QVERIFY2(messages.contains(QStringLiteral("CSVTableValueError ") + table + QStringLiteral("|2|") + photo
                                   + QStringLiteral("|IFD0:Orientation|sideways")),
                 qPrintable(messages));
        QVERIFY2(messages.contains(QStringLiteral("CSVTableRowNoFileError ") + table + QStringLiteral("|3|")), qPrintable(messages));
        QVERIFY2(messages.contains(QStringLiteral("CSVTableRowNoFileError ") + table + QStringLiteral("|4|photo.jpg")), qPrintable(messages));
        QCOMPARE(task->messages().size(), 5);
        QCOMPARE(editor->editedTags(), QList<TagName>{tag(QStringLiteral("XMP-dc:Title"))});
        QCOMPARE(editor->currentValue(tag(QStringLiteral("XMP-dc:Title"))), QStringLiteral("Good"));

        // A table that is no table, and one without its key column, stage nothing.
        const struct {
            QByteArray bytes;
            QString key;
        } broken[] = {
            {"SourceFile,XMP-dc:Title\n/x.jpg,\"never closed\n", QStringLiteral("CSVTableParseError")},
            {"File,XMP-dc:Title\n/x.jpg,y\n", QStringLiteral("CSVTableNoSourceFileError")},
            {"\xff\xfe\x00S", QStringLiteral("CSVTableParseError")},
        };
        for (const auto& row : broken) {
            const EditorPtr fresh = e2e_->open(photo);
            writeBytes(table, row.bytes);
            test::runTask(task = std::make_shared<ImportCSVTableTask>(ImportCSVTableTask::Settings{{fresh}, QUrl::fromLocalFile(table)}));
            QCOMPARE(messageLines(*task), QStringList{row.key + QStringLiteral(": bad.csv")});
            QVERIFY(!fresh->hasEdits());
        }
    }

    void csvTableParsing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<QStringList>>("rows");
        QTest::newRow("crlf and bom") << QByteArray("\xef\xbb\xbf" "a,b\r\nc,d\r\n") << QList<QStringList>{{"a", "b"}, {"c", "d"}};
        QTest::newRow("quoted") << QByteArray("\"a,\"\"b\"\"\nc\",\"\"\n") << QList<QStringList>{{"a,\"b\"\nc", ""}};
        QTest::newRow("no final break") << QByteArray("a,,b") << QList<QStringList>{{"a", "", "b"}};
        QTest::newRow("empty") << QByteArray() << QList<QStringList>{};
    }
    void csvTableParsing()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<QStringList>, rows);
        const auto table = CSVTable::parse(bytes);
        QVERIFY(table);
        QCOMPARE(table->rows, rows);
        QCOMPARE(CSVTable::parse(table->toBytes())->rows, rows);
    }

    // The EXIF thumbnail and a raw file's JPEG arrive as the files hold them; a file without
    // one, or a name already taken, is reported and the file there kept.
    void exportImages()
    {
        const QString photo = e2e_->copy(QStringLiteral("photo.jpg"));
        const QString raw = e2e_->copy(QStringLiteral("raw.dng"));
        const QString bare = e2e_->copy(QStringLiteral("raw-nopreview.dng"));
        const QList<EditorPtr> editors = e2e_->open(QStringList{photo, raw, bare});
        QCOMPARE(editors.size(), 3);
        QTemporaryDir out;

        auto thumbnails = std::make_shared<FileExportImagesTask>(
            FileExportImagesTask::Settings{{editors[0]}, FileExportImagesTask::Kind::thumbnail, QUrl::fromLocalFile(out.path()), nullptr});
        test::runTask(thumbnails);
        QCOMPARE(messageLines(*thumbnails), QStringList());
        const QByteArray thumbnail = bytesOf(out.filePath(QStringLiteral("photo_thumb.jpg")));
        QCOMPARE(thumbnail.size(), 885);
        QVERIFY(isJpeg(thumbnail));

        auto previews = std::make_shared<FileExportImagesTask>(
            FileExportImagesTask::Settings{{editors[1], editors[2]}, FileExportImagesTask::Kind::rawPreview, QUrl::fromLocalFile(out.path()), nullptr});
        test::runTask(previews);
        QCOMPARE(messageLines(*previews), QStringList{QStringLiteral("ExportImageNoPreviewError: raw-nopreview.dng")});
        QVERIFY(isJpeg(bytesOf(out.filePath(QStringLiteral("raw.jpg")))));

        // A second export finds "raw.jpg" there: reported, the file kept.
        const QByteArray original = bytesOf(out.filePath(QStringLiteral("raw.jpg")));
        auto onItself = std::make_shared<FileExportImagesTask>(FileExportImagesTask::Settings{
            {editors[1]}, FileExportImagesTask::Kind::rawPreview, QUrl::fromLocalFile(out.path()), nullptr});
        test::runTask(onItself);
        QCOMPARE(messageLines(*onItself), QStringList{QStringLiteral("ExportImageExistsError: raw.dng")});
        QCOMPARE(bytesOf(out.filePath(QStringLiteral("raw.jpg"))), original);
    }

private:
    std::optional<EndToEnd> e2e_;
    std::optional<QTemporaryDir> backups_;
};

QTEST_GUILESS_MAIN(ImportExportTasksTest)
#include "ImportExportTasksTest.moc"
