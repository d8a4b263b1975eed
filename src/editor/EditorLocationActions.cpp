#include "editor/EditorLocationActions.h"

#include "editor/EditorAlert.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "editor/GeotagsSyncViewController.h"
#include "editor/OpenPanel.h"
#include "engine/halvex/dates/TagEditorDates.h"
#include "engine/halvex/editions/EditionTask.h"
#include "engine/halvex/places/CoordinateWriter.h"
#include "engine/halvex/places/LocationTagNames.h"
#include "engine/halvex/places/TagEditorLocation.h"
#include "engine/halvex/places/TagEditorLocationList.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagEditorList.h"
#include "engine/halvex/tags/TagPasteboard.h"
#include "engine/halvex/tags/TagStorage.h"
#include "engine/halvex/tags/TagValueMarker.h"
#include "engine/halvex/tasks/FolderExportGeotagTask.h"
#include "engine/halvex/tasks/FolderImportGeotagTask.h"
#include "engine/halvex/tasks/ImportTagEditorsTask.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/ETTagStorageReader.h"
#include "engine/ostrak/TagItem.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/settings/EditionSettings.h"
#include "map/FindLocationWindowController.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "widgets/TextLocalizer.h"
#include "widgets/settings/CoordinateText.h"
#include "widgets/settings/GeneralSettings.h"
#include "tags/TagNamePickerWindowController.h"
#include "tags/TagsSettings.h"

#include <QClipboard>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <QFileInfo>
#include <QGridLayout>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QPointer>
#include <QThreadPool>
#include <QUrl>

namespace corvelle {

namespace {

using halvex::TagEditor;
using halvex::TagEditorList;
using halvex::TagPasteboard;
using halvex::TypedValue;
using Editors = EditorLocationActions::Editors;
using TagNames = QList<ostrak::TagName>;

constexpr int largeSelection = 100;

void queue(std::function<void()> edition)
{
    halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>(std::move(edition)));
}

void queuePerEditor(const Editors& editors, std::function<void(TagEditor&)> edition)
{
    halvex::TaskManager::shared().add(std::make_shared<halvex::EditionTask>(
        TagEditorList(editors), [edition = std::move(edition)](const std::shared_ptr<TagEditor>& editor) {
            edition(*editor);
        }));
}

// The file read as the editor opens it, or the reason it cannot be read.
std::shared_ptr<TagEditor> readFile(const QString& path, QString* reason)
{
    const QList<ostrak::TagRecordSet> sets = ostrak::ETTagStorageReader().read({path});
    if (sets.isEmpty() || !sets.first().isRead()) {
        if (reason)
            *reason = sets.isEmpty() ? QString() : sets.first().error.text();
        return nullptr;
    }
    const halvex::TagStorageSource source(QUrl::fromLocalFile(path));
    return std::make_shared<TagEditor>(halvex::TagStorage(source, sets.first()));
}

} // namespace

EditorLocationActions::EditorLocationActions(EditorWindowController& controller)
    : controller_(controller)
{
    const auto row = [](const char* name, std::function<bool()> isEnabled, std::function<void()> run) {
        const QString command = QString::fromLatin1(name);
        QString textKey = command.chopped(1);
        textKey[0] = textKey[0].toUpper();
        return EditorCommand{command, QStringLiteral("MainMenu") + textKey, {}, {}, std::move(isEnabled), {},
                             std::move(run)};
    };
    const auto selection = [this] { return hasSelection(); };
    const auto editable = [this] { return canEditLocations(); };
    const auto tagsToPaste = [this] { return canPasteLocationTags(); };
    const auto coordinateToPaste = [this] { return canPasteCoordinate(); };
    const auto written = [this] { return canRestoreOrClearLocation(); };
    // Selected files that give the read's value (any, for a large selection).
    const auto value = [this](auto read) {
        return [this, read] { return hasSelection() && (isLargeSelection() || read(selectedEditors())); };
    };
    // Some selected file gives every value the completion starts from.
    const auto completable = [this](std::function<bool(const TagEditor&)> hasStart) {
        return [this, hasStart] {
            if (!canEditLocations())
                return false;
            if (isLargeSelection())
                return true;
            const Editors editors = selectedEditors();
            return std::any_of(editors.begin(), editors.end(), [&](const auto& e) { return hasStart(*e); });
        };
    };
    const auto copyTags = [this](const TagNames& names) {
        return [this, names] {
            if (!hasSelection())
                return;
            const TagEditorList editors(selectedEditors());
            queue([editors, names] { editors.copyTags(names); });
        };
    };
    const auto pasteTags = [this](const TagNames& names, bool needsTags) {
        return [this, names, needsTags] {
            if (needsTags ? !canPasteLocationTags() : !canEditLocations())
                return;
            TagEditorList(selectedEditors()).pasteTags(names);
        };
    };
    const auto mark = [this](const std::optional<QString>& marker, const TagNames& names, bool needsWritten) {
        return [this, marker, names, needsWritten] {
            if (needsWritten ? !canRestoreOrClearLocation() : !canEditLocations())
                return;
            const TagEditorList editors(selectedEditors());
            queue([editors, marker, names] { editors.setValue(marker, names); });
        };
    };
    // The pasteboard's coordinate into one family: read when the edition runs.
    const auto pasteCoordinate = [this](CoordinateWriter write) {
        return [this, write] {
            if (!canPasteCoordinate())
                return;
            const Editors editors = selectedEditors();
            queue([editors, write] {
                if (const auto coordinate = TagPasteboard::shared().coordinate())
                    write(editors, TypedValue(*coordinate));
            });
        };
    };
    const auto importCoordinateFrom = [this](CoordinateWriter write) {
        return [this, write] {
            chooseFile([write](const QString& path, const Editors& editors) {
                QThreadPool::globalInstance()->start([path, editors, write] { importCoordinate(path, editors, write); });
            });
        };
    };
    const auto autocomplete = [this](halvex::AutocompleteResult (*operation)(TagEditor&, const std::shared_ptr<halvex::Geocoder>&),
                                     std::function<bool(const TagEditor&)> hasStart) {
        return std::make_pair(hasStart, [this, operation, hasStart] {
            if (!canEditLocations())
                return;
            queuePerEditor(selectedEditors(), [operation](TagEditor& editor) { operation(editor, halvex::Geocoder::shared()); });
        });
    };
    const auto autocompleteRow = [&](const char* name, auto pair) {
        return row(name, completable(pair.first), pair.second);
    };

    const TagNames& all = halvex::LocationTagNames::locationTagNames();
    const TagNames& exif = halvex::LocationTagNames::exifLocationTagNames();
    const TagNames& stamp = halvex::LocationTagNames::exifGPSDateStampTagNames();
    const TagNames& iptc = halvex::LocationTagNames::iptcLocationTagNames();
    const TagNames& xmp = halvex::LocationTagNames::xmpLocationTagNames();
    const TagNames& quicktime = halvex::LocationTagNames::quicktimeLocationTagNames();
    const auto has = [](auto read) { return [read](const Editors& editors) { return bool(read(editors)); }; };
    // The combined position as text in one fixed notation, whatever the settings say.
    const auto copyAsText = [this, &row, value, has](const char* name,
                                                     QString (halvex::CoordinateWriter::*notation)(const halvex::Coordinate&) const) {
        return row(name, value(has(qOverload<const Editors&>(&halvex::gpsCoordinate))), [this, notation] {
            copyCoordinateText([notation](const halvex::Coordinate& c) { return (halvex::CoordinateWriter().*notation)(c); });
        });
    };
    using halvex::TagValueClear;
    using halvex::TagValueRestore;

    setCommands({
        row("copyLocationTags:", selection, copyTags(all)),
        row("cutLocationTags:", selection,
            [this] {
                perform(QStringLiteral("copyLocationTags:"));
                perform(QStringLiteral("clearLocation:"));
            }),
        row("pasteLocationTags:", tagsToPaste, pasteTags(all, true)),
        row("searchLocation:", editable, [this] { searchLocation(); }),
        row("restoreLocation:", written, mark(TagValueRestore, all, true)),
        row("clearLocation:", written, mark(TagValueClear, all, true)),
        row("importLocation:", editable,
            [this] {
                QPointer<EditorWindowController> weak(&controller_);
                chooseFile([weak](const QString& path, const Editors& editors) {
                    importLocation(path, editors, [weak, path](const QString& reason) {
                        if (weak)
                            weak->locationActions().showImportFailure(path, reason);
                    });
                });
            }),
        row("copyEXIFGPSCoordinate:", value(has(qOverload<const Editors&>(&halvex::exifGPSCoordinate))),
            [this] { copyCoordinate(qOverload<const Editors&>(&halvex::exifGPSCoordinate)); }),
        row("pasteEXIFGPSCoordinate:", coordinateToPaste, pasteCoordinate(&halvex::setExifGPSCoordinate)),
        row("importEXIFGPSCoordinate:", editable, importCoordinateFrom(&halvex::setExifGPSCoordinate)),
        row("copyEXIFGPSLocationTags:", selection, copyTags(exif)),
        row("pasteEXIFGPSLocationTags:", editable, pasteTags(exif, true)),
        row("restoreEXIFGPSLocation:", editable, mark(TagValueRestore, exif, false)),
        row("clearEXIFGPSLocation:", editable, mark(TagValueClear, exif, false)),
        row("copyEXIFGPSStampTags:", value(has(qOverload<const Editors&>(&halvex::exifGPSStamp))),
            [this, copyTags, stamp] {
                if (isLargeSelection() || halvex::exifGPSStamp(selectedEditors()))
                    copyTags(stamp)();
            }),
        row("pasteEXIFGPSStampTags:", editable, pasteTags(stamp, false)),
        row("restoreEXIFGPSStamp:", editable, mark(TagValueRestore, stamp, false)),
        row("clearEXIFGPSStamp:", editable, mark(TagValueClear, stamp, false)),
        row("syncEXIFGPSStamp:", editable, [this] { syncEXIFGPSStamp(); }),
        row("copyIPTCLocationAddress:", value(has(qOverload<const Editors&>(&halvex::iptcTextLocation))),
            [this] { copyIPTCLocationAddress(); }),
        row("copyIPTCLocationTags:", selection, copyTags(iptc)),
        row("pasteIPTCLocationTags:", editable, pasteTags(iptc, false)),
        row("restoreIPTCLocation:", editable, mark(TagValueRestore, iptc, false)),
        row("clearIPTCLocation:", editable, mark(TagValueClear, iptc, false)),
        row("copyXMPCoordinate:", value(has(qOverload<const Editors&>(&halvex::xmpGPSCoordinate))),
            [this] { copyCoordinate(qOverload<const Editors&>(&halvex::xmpGPSCoordinate)); }),
        row("pasteXMPCoordinate:", coordinateToPaste, pasteCoordinate(&halvex::setXmpGPSCoordinate)),
        row("importXMPCoordinate:", editable, importCoordinateFrom(&halvex::setXmpGPSCoordinate)),
        row("copyXMPLocationTags:", selection, copyTags(xmp)),
        row("pasteXMPLocationTags:", editable, pasteTags(xmp, true)),
        row("restoreXMPLocation:", editable, mark(TagValueRestore, xmp, false)),
        row("clearXMPLocation:", editable, mark(TagValueClear, xmp, false)),
        row("copyQuicktimeCoordinate:", value(has(qOverload<const Editors&>(&halvex::quicktimeGPSCoordinate))),
            [this] { copyCoordinate(qOverload<const Editors&>(&halvex::quicktimeGPSCoordinate)); }),
        row("pasteQuicktimeCoordinate:", coordinateToPaste, pasteCoordinate(&halvex::setQuicktimeGPSCoordinate)),
        row("importQuicktimeCoordinate:", editable, importCoordinateFrom(&halvex::setQuicktimeGPSCoordinate)),
        row("copyQuicktimeLocationTags:", selection, copyTags(quicktime)),
        row("pasteQuicktimeLocationTags:", editable, pasteTags(quicktime, true)),
        row("restoreQuicktimeLocation:", editable, mark(TagValueRestore, quicktime, false)),
        row("clearQuicktimeLocation:", editable, mark(TagValueClear, quicktime, false)),
        row("copyCoordinates:", value(has(qOverload<const Editors&>(&halvex::gpsCoordinate))),
            [this] {
                const auto format = brisa::UserDefaults::standard().value(Settings::generalUserChoiceGPSFormat());
                copyCoordinateText([format](const halvex::Coordinate& c) { return coordinateText(c, format); });
            }),
        copyAsText("copyCoordinatesDDddddd:", &halvex::CoordinateWriter::DDddddd),
        copyAsText("copyCoordinatesPreDDMMmmm:", &halvex::CoordinateWriter::preDDMMmmm),
        copyAsText("copyCoordinatesPostDDMMSSs:", &halvex::CoordinateWriter::postDDMMSSs),
        copyAsText("copyCoordinatesISO6709:", &halvex::CoordinateWriter::iso6709),
        row("pasteCoordinates:", [this] { return hasSelection() && TagPasteboard::shared().coordinate().has_value(); },
            [this] {
                const auto coordinate = TagPasteboard::shared().coordinate();
                if (!hasSelection() || !coordinate)
                    return;
                const Editors editors = selectedEditors();
                queue([editors, coordinate] { halvex::setGPSCoordinate(editors, TypedValue(*coordinate)); });
            }),
        autocompleteRow("autocompleteUsingEXIFCoordinate:",
                        autocomplete(&halvex::autocompleteUsingEXIFCoordinate, [](const TagEditor& e) {
                            return halvex::exifGPSLatitude(e) && halvex::exifGPSLongitude(e);
                        })),
        autocompleteRow("autocompleteUsingIPTCAddress:",
                        autocomplete(&halvex::autocompleteUsingIPTCAddress,
                                     [](const TagEditor& e) { return halvex::iptcTextLocation(e).has_value(); })),
        autocompleteRow("autocompleteUsingXMPCoordinate:",
                        autocomplete(&halvex::autocompleteUsingXMPCoordinate, [](const TagEditor& e) {
                            return halvex::xmpGPSLatitude(e) && halvex::xmpGPSLongitude(e);
                        })),
        autocompleteRow("autocompleteUsingXMPAddress:",
                        autocomplete(&halvex::autocompleteUsingXMPAddress,
                                     [](const TagEditor& e) { return halvex::xmpTextLocation(e).has_value(); })),
        autocompleteRow("autocompleteUsingQuickTimeCoordinate:",
                        autocomplete(&halvex::autocompleteUsingQuickTimeCoordinate,
                                     [](const TagEditor& e) { return halvex::quicktimeGPSCoordinate(e).has_value(); })),
        row("importGeotags:", [this] { return controller_.effectiveSection() != EditorContentSection::raw && canImportExportGeotags(); },
            [this] { importGeotags(); }),
        row("exportKMLGeotags:", [this] { return canImportExportGeotags(); }, [this] { exportGeotags(true); }),
        row("exportGPXGeotags:", [this] { return canImportExportGeotags(); }, [this] { exportGeotags(false); }),
    });
}

// --- Rules

Editors EditorLocationActions::selectedEditors() const
{
    const MetadataFileList* list = controller_.metadataFileList();
    return list ? list->selectedEditors() : Editors();
}

bool EditorLocationActions::hasSelection() const
{
    const MetadataFileList* list = controller_.metadataFileList();
    return list && list->hasSelection();
}

bool EditorLocationActions::isLargeSelection() const
{
    const MetadataFileList* list = controller_.metadataFileList();
    return list && list->selection().count() >= largeSelection;
}

bool EditorLocationActions::canEditLocations() const
{
    return controller_.effectiveSection() != EditorContentSection::raw && hasSelection();
}

bool EditorLocationActions::canPasteLocationTags() const
{
    return canEditLocations() && TagPasteboard::shared().hasCopiedTags();
}

bool EditorLocationActions::canPasteCoordinate() const
{
    return canEditLocations() && TagPasteboard::shared().coordinate().has_value();
}

bool EditorLocationActions::canRestoreOrClearLocation() const
{
    if (controller_.effectiveSection() == EditorContentSection::raw)
        return false;
    const Editors editors = selectedEditors();
    if (editors.isEmpty())
        return false;
    return editors.size() >= largeSelection
           || TagEditorList(editors).haveWrittenValues(halvex::LocationTagNames::locationTagNames());
}

// --- Copies

void EditorLocationActions::copyCoordinate(std::function<std::optional<halvex::Coordinate>(const Editors&)> read)
{
    const Editors editors = selectedEditors();
    if (editors.isEmpty())
        return;
    if (const auto coordinate = read(editors))
        TagPasteboard::shared().setCoordinate(*coordinate);
}

void EditorLocationActions::copyCoordinateText(std::function<QString(const halvex::Coordinate&)> format)
{
    const Editors editors = selectedEditors();
    if (editors.isEmpty())
        return;
    if (const auto coordinate = halvex::gpsCoordinate(editors)) {
        const QString text = format(*coordinate);
        TagPasteboard::shared().setText(text);
        QGuiApplication::clipboard()->setText(text);
    }
}

void EditorLocationActions::copyIPTCLocationAddress()
{
    const Editors editors = selectedEditors();
    if (editors.isEmpty())
        return;
    if (const auto address = halvex::iptcTextLocation(editors)) {
        const QString text = address->formattedAddress();
        TagPasteboard::shared().setText(text);
        QGuiApplication::clipboard()->setText(text);
    }
}

// --- Find a place

FindLocationWindowController* EditorLocationActions::searchLocation()
{
    if (!canEditLocations() || !controller_.window())
        return nullptr;
    const Editors editors = selectedEditors();
    auto* sheet = new FindLocationWindowController(controller_.window());
    sheet->setLocation(halvex::location(editors));
    QPointer<FindLocationWindowController> weakSheet(sheet);
    const bool shown = brisa::SheetPresenter::presentSheet(controller_.window(), sheet, [weakSheet, editors](int returnCode) {
        if (!weakSheet)
            return;
        const std::optional<halvex::Location> place = weakSheet->location();
        weakSheet->deleteLater();
        if (returnCode == 1 && place)
            queue([editors, place] { halvex::setLocation(editors, TypedValue(*place)); });
    });
    if (!shown) {
        delete sheet;
        return nullptr;
    }
    return sheet;
}

// --- GPS stamp from a date

bool EditorLocationActions::isStampSource(const ostrak::TagItem& item)
{
    return item.type().isDateTimeOrPartial() && !(item == ostrak::TagItem::itemEXIFGPSDateStamp())
           && !(item == ostrak::TagItem::itemEXIFGPSTimeStamp());
}

QList<ostrak::TagItem> EditorLocationActions::stampSourceItems()
{
    QList<ostrak::TagItem> items;
    for (const ostrak::TagItem& item : ostrak::TagItem::allCases()) {
        if (isStampSource(item))
            items << item;
    }
    return items;
}

void EditorLocationActions::syncEXIFGPSStamp(const Editors& editors, const ostrak::TagName& from)
{
    brisa::UserDefaults::standard().set(Settings::syncDateTimeChosenName(), from);
    const ostrak::TagName date = ostrak::TagItem::itemEXIFGPSDateStamp().tagName();
    const ostrak::TagName time = ostrak::TagItem::itemEXIFGPSTimeStamp().tagName();
    queuePerEditor(editors, [from, date, time](TagEditor& editor) {
        halvex::copyDate(editor, from, date);
        halvex::copyDate(editor, from, time);
    });
}

void EditorLocationActions::syncEXIFGPSStamp()
{
    if (!canEditLocations() || !controller_.window())
        return;
    const Editors editors = selectedEditors();
    const ostrak::TagName chosen = brisa::UserDefaults::standard().value(Settings::syncDateTimeChosenName());
    auto* picker = new TagNamePickerWindowController;
    picker->setObjectName(QStringLiteral("syncEXIFGPSStampSheet"));
    picker->setInstructions(localizedString(QStringLiteral("SelectOneTagNamePickerTitle")));
    picker->selectTagItem(chosen.item());
    picker->setAdditionalFiltering(&isStampSource);
    TagPickerSheet::presentOnce(controller_.window(), picker, [picker, editors] {
        if (picker->selectedTagItem())
            syncEXIFGPSStamp(editors, picker->selectedTagItem()->tagName());
    });
}

// --- Geotags

bool EditorLocationActions::canGeotag(const TagEditor& editor)
{
    static const QStringList types{QStringLiteral("jpg"), QStringLiteral("jpeg"), QStringLiteral("tif"),
                                   QStringLiteral("tiff"), QStringLiteral("dng"), QStringLiteral("heic"),
                                   QStringLiteral("heif"), QStringLiteral("png"), QStringLiteral("mov"),
                                   QStringLiteral("mp4"), QStringLiteral("m4v"), QStringLiteral("3gp")};
    return editor.isFolder() || types.contains(QFileInfo(editor.fileName()).suffix().toLower());
}

Editors EditorLocationActions::geotagEditors() const
{
    Editors eligible;
    for (const std::shared_ptr<TagEditor>& editor : selectedEditors()) {
        if (canGeotag(*editor))
            eligible << editor;
    }
    return eligible;
}

bool EditorLocationActions::canImportExportGeotags() const
{
    return hasSelection() && (isLargeSelection() || !geotagEditors().isEmpty());
}

void EditorLocationActions::importGeotags()
{
    if (controller_.effectiveSection() == EditorContentSection::raw || !canImportExportGeotags() || !controller_.window())
        return;
    QStringList patterns;
    for (const QString& type : halvex::FolderImportGeotagTask::supportedGeotagTypes())
        patterns << QStringLiteral("*.") + type << QStringLiteral("*.") + type.toUpper();
    patterns.sort();
    auto* dialog = new OpenPanel(controller_.window());
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(localizedString(QStringLiteral("GeotagTrackFilesFilter")) + QStringLiteral(" (")
                          + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    dialog->setLabelText(QFileDialog::Accept, localizedString(QStringLiteral("ImportPanelImportButtonTitle")));
    auto* fields = new GeotagsSyncViewController(dialog);
    if (auto* grid = qobject_cast<QGridLayout*>(dialog->layout()))
        grid->addWidget(fields, grid->rowCount(), 0, 1, grid->columnCount());
    QPointer<QFileDialog> weakDialog(dialog);
    QPointer<EditorWindowController> weakController(&controller_);
    const bool shown = brisa::SheetPresenter::presentSheet(controller_.window(), dialog,
                                                           [weakDialog, weakController, fields](int returnCode) {
        if (!weakDialog)
            return;
        const QList<QUrl> urls = weakDialog->selectedUrls();
        const QString offset = fields->timeOffsetText();
        weakDialog->deleteLater();
        if (returnCode == 1 && !urls.isEmpty() && urls.first().isLocalFile() && weakController)
            weakController->locationActions().queueGeotagImport(urls.first().toLocalFile(), offset);
    });
    if (!shown)
        delete dialog;
}

std::shared_ptr<halvex::AbstractTask> EditorLocationActions::queueGeotagImport(const QString& trackPath, const QString& offsetText)
{
    const Editors editors = geotagEditors();
    if (editors.isEmpty())
        return nullptr;
    halvex::FolderImportGeotagTask::Settings settings;
    settings.editors = editors;
    settings.trackLogPath = trackPath;
    settings.timeOffsetText = offsetText;
    settings.errorsIgnored = brisa::UserDefaults::standard().value(Settings::editionUserChoiceErrorsBehavior())
                             == ErrorsBehaviorEditionUserChoice::ignore;
    auto task = std::make_shared<halvex::FolderImportGeotagTask>(settings);
    // The files were written at once: their editors read them again.
    task->setCompletionHandler([editors] {
        QList<halvex::TagStorageSource> sources;
        for (const std::shared_ptr<TagEditor>& editor : editors)
            sources << editor->source();
        halvex::ImportTagEditorsTask::Settings reload(sources);
        reload.editorsToReload = editors;
        halvex::TaskManager::shared().add(std::make_shared<halvex::ImportTagEditorsTask>(reload));
    });
    halvex::TaskManager::shared().add(task);
    return task;
}

void EditorLocationActions::exportGeotags(bool kml)
{
    if (!canImportExportGeotags() || !controller_.window())
        return;
    const QString suffix = kml ? QStringLiteral("kml") : QStringLiteral("gpx");
    auto* dialog = new QFileDialog(controller_.window());
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    dialog->setAcceptMode(QFileDialog::AcceptSave);
    dialog->setNameFilter(QStringLiteral("%1 (*.%2)").arg(suffix.toUpper(), suffix));
    dialog->setDefaultSuffix(suffix);
    dialog->selectFile(QStringLiteral("geotags.") + suffix);
    dialog->setLabelText(QFileDialog::Accept, localizedString(QStringLiteral("ExportPanelExportButtonTitle")));
    QPointer<QFileDialog> weakDialog(dialog);
    QPointer<EditorWindowController> weakController(&controller_);
    const bool shown = brisa::SheetPresenter::presentSheet(controller_.window(), dialog,
                                                           [weakDialog, weakController, kml](int returnCode) {
        if (!weakDialog)
            return;
        const QList<QUrl> urls = weakDialog->selectedUrls();
        weakDialog->deleteLater();
        if (returnCode == 1 && !urls.isEmpty() && urls.first().isLocalFile() && weakController)
            weakController->locationActions().queueGeotagExport(urls.first().toLocalFile(), kml);
    });
    if (!shown)
        delete dialog;
}

std::shared_ptr<halvex::AbstractTask> EditorLocationActions::queueGeotagExport(const QString& destination, bool kml)
{
    const Editors editors = geotagEditors();
    if (editors.isEmpty())
        return nullptr;
    // Every folder into one file: one task over them all.
    halvex::FolderExportGeotagTask::Settings settings;
    settings.editors = editors;
    settings.destinationPath = destination;
    settings.kml = kml;
    settings.errorsIgnored = brisa::UserDefaults::standard().value(Settings::editionUserChoiceErrorsBehavior())
                             == ErrorsBehaviorEditionUserChoice::ignore;
    auto task = std::make_shared<halvex::FolderExportGeotagTask>(settings);
    halvex::TaskManager::shared().add(task);
    return task;
}

// --- Another file

void EditorLocationActions::chooseFile(std::function<void(const QString& path, const Editors& editors)> chosen)
{
    if (!canEditLocations() || !controller_.window())
        return;
    QStringList patterns;
    for (const halvex::MediaType& type : halvex::ImportTagEditorsTask::supportedTypes()) {
        for (const QString& extension : type.extensions())
            patterns << QStringLiteral("*.") + extension.toLower() << QStringLiteral("*.") + extension.toUpper();
    }
    auto* dialog = new OpenPanel(controller_.window());
    dialog->setFileMode(QFileDialog::ExistingFile);
    dialog->setNameFilter(localizedString(QStringLiteral("OpenPanelMediaFilesFilter")) + QStringLiteral(" (")
                          + patterns.join(QLatin1Char(' ')) + QLatin1Char(')'));
    const Editors editors = selectedEditors();
    QPointer<QFileDialog> weakDialog(dialog);
    const bool shown = brisa::SheetPresenter::presentSheet(controller_.window(), dialog,
                                                           [weakDialog, editors, chosen](int returnCode) {
        if (!weakDialog)
            return;
        const QList<QUrl> urls = weakDialog->selectedUrls();
        weakDialog->deleteLater();
        if (returnCode == 1 && !urls.isEmpty() && urls.first().isLocalFile())
            chosen(urls.first().toLocalFile(), editors);
    });
    if (!shown)
        delete dialog;
}

void EditorLocationActions::importLocation(const QString& path, const Editors& editors,
                                           std::function<void(const QString& reason)> failed)
{
    QThreadPool::globalInstance()->start([path, editors, failed] {
        QString reason;
        const std::shared_ptr<TagEditor> source = readFile(path, &reason);
        if (!source) {
            // Nothing is written: emptying every location tag of the files for a file that
            // could not be read would lose their places.
            if (failed)
                QMetaObject::invokeMethod(qApp, [failed, reason] { failed(reason); }, Qt::QueuedConnection);
            return;
        }
        TagEditorList::Values values;
        for (const ostrak::TagName& name : halvex::LocationTagNames::locationTagNames())
            values.insert(name, source->currentValue(name));
        const TagEditorList targets(editors);
        queue([targets, values] { targets.setValues(values); });
    });
}

void EditorLocationActions::importCoordinate(const QString& path, const Editors& editors, CoordinateWriter write)
{
    const std::shared_ptr<TagEditor> source = readFile(path, nullptr);
    if (!source)
        return;
    if (const auto coordinate = halvex::gpsCoordinate(*source))
        queue([editors, write, coordinate] { write(editors, TypedValue(*coordinate)); });
}

void EditorLocationActions::showImportFailure(const QString& path, const QString& reason)
{
    QMessageBox* alert = EditorAlert::make(QStringLiteral("LocationImportFailed"), {QStringLiteral("LocationImportFailedOKButton")});
    alert->setInformativeText(localizedString(QStringLiteral("LocationImportFailedInformativeText")).arg(path, reason));
    brisa::SheetPresenter::safeBeginSheetModal(alert, controller_.window(), {});
}

} // namespace corvelle
