// Pictures of the step-by-step tag edition for reviewing its look: the tag editing sheet on each
// of its steps, the update-dates and tag value synchronisation sheets, and the Tags section's
// editing sidebar. Run through scripts/make-edition-screenshots.sh, which gives it a private X
// server and home.

#include "editing/EditionEditStepViewController.h"
#include "editing/TagEditingWindowController.h"
#include "editing/TagValueSyncWindowController.h"
#include "editing/UpdateDatesWindowController.h"
#include "editor/EditorSettings.h"
#include "editor/EditorWindowController.h"
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "filemodel/MetadataFileList.h"
#include "platform/brisa/core/IndexSet.h"
#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "tags/ContentValue.h"
#include "tags/EditorTagBarController.h"
#include "tags/EditorTagsViewController.h"
#include "tags/TagValueTableModel.h"

#include "ScreenshotSupport.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMainWindow>
#include <QTemporaryDir>
#include <QUrl>

#include <cstdio>

namespace {

using corvelle::EditorEditionCache;
using Step = corvelle::EditorEditionCacheStep;
using screenshots::save;
using screenshots::settle;
using screenshots::waitFor;

corvelle::EditorTagsViewController* tagsSection(corvelle::EditorWindowController* editor)
{
    return qobject_cast<corvelle::EditorTagsViewController*>(editor->editorViewController());
}

// Selects the rows of these tags in the tag table.
bool selectTags(corvelle::EditorWindowController* editor, const QStringList& tagNames)
{
    corvelle::EditorTagsViewController* section = tagsSection(editor);
    if (!section || !section->tagBarController())
        return false;
    corvelle::TagValueTableModel* model = section->tagBarController()->model();
    brisa::IndexSet rows;
    for (int row = 0; row < model->rowCount(); ++row) {
        const auto value = corvelle::ContentValue::fromVariant(model->rowContent(row));
        if (value && tagNames.contains(value->alternateTitle))
            rows.insert(row);
    }
    halvex::TagValueTable::Request request = editor->tagValueTable()->latestRequest();
    request.selectedEntryIndexes = rows;
    editor->tagValueTable()->reload(request);
    settle(300);
    if (rows.count() != tagNames.size())
        std::fprintf(stderr, "%d of %d tags listed: %s\n", rows.count(), int(tagNames.size()), qPrintable(tagNames.join(u' ')));
    return rows.count() == tagNames.size();
}

int fail(const char* what)
{
    std::fprintf(stderr, "stopped: %s\n", what);
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            std::fprintf(stderr, "shown: %s %s\n", widget->metaObject()->className(), qPrintable(widget->windowTitle()));
    }
    return 1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    QApplication::setOrganizationName(QStringLiteral("Corvelle"));
    const QDir output(app.arguments().value(1, QStringLiteral("screenshots")));
    if (!QDir().mkpath(output.path()))
        return fail("no output folder");
    QTemporaryDir files;
    QStringList paths;
    for (const char* name : {"a-2021-07-04-13-05-59.jpg", "b-2021-07-05-09-30-00.jpg", "c-2021-07-06-18-45-12.jpg"}) {
        const QString target = QDir(files.path()).filePath(QString::fromLatin1(name));
        if (!QFile::copy(QStringLiteral(CORVELLE_FIXTURES_DIR "/photo.jpg"), target))
            return fail("the fixture could not be copied");
        QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner);
        paths << target;
    }

    corvelle::EditorWindowController editorWindow;
    corvelle::EditorWindowController* editor = &editorWindow;
    QList<QUrl> urls;
    for (const QString& path : paths)
        urls << QUrl::fromLocalFile(path);
    QMainWindow* window = editor->window();
    window->resize(1300, 760);
    window->move(0, 0);
    window->show();
    editor->addFiles(urls);
    if (!waitFor([&] { return editor->metadataFileList()->files().size() == paths.size(); }, 60000))
        return fail(qPrintable(QStringLiteral("%1 files open").arg(editor->metadataFileList()->files().size())));
    waitFor([] { return !halvex::TaskManager::shared().isBusy(); }, 60000);
    using halvex::TagSetManager;
    TagSetManager::shared().replace(TagSetManager::Domain::chosen, [](const halvex::TagSet&) {
        QList<halvex::TagSet::FlatEntry> entries{halvex::TagSection(QStringLiteral("Photo"))};
        for (const char* tag : {"XMP-dc:Title", "IPTC:ObjectName", "IPTC:Keywords", "IFD0:Make", "IFD0:XResolution",
                                "ExifIFD:DateTimeOriginal", "ExifIFD:CreateDate", "XMP-xmpRights:Marked", "GPS:GPSSpeed",
                                "IFD0:Orientation", "IPTC:Country-PrimaryLocationCode", "Composite:ImageSize"})
            entries.append(ostrak::TagName::fromRawValue(QString::fromLatin1(tag)));
        return halvex::TagSet(entries);
    });
    editor->metadataFileList()->setSelection(brisa::IndexSet({0, 1, 2}));
    editor->setContentSection(corvelle::EditorContentSection::tags);
    if (!waitFor([&] { return tagsSection(editor) && tagsSection(editor)->tagBarController(); }, 10000))
        return fail("the tags section did not show");
    settle(800);
    bool saved = true;

    // The sheet on each step, over the tags that step suits.
    struct Shot {
        QStringList tags;
        std::optional<Step> step;
        std::optional<corvelle::FlatActionEdition> action;
        const char* file;
    };
    const QList<Shot> shots{
        {{"XMP-dc:Title", "IPTC:ObjectName"}, std::nullopt, std::nullopt, "sheet-edit-value.png"},
        {{"XMP-dc:Title", "IFD0:XResolution", "ExifIFD:DateTimeOriginal"}, std::nullopt, std::nullopt, "sheet-select-tags.png"},
        {{"XMP-dc:Title", "IPTC:ObjectName"}, Step::rawEdition, std::nullopt, "sheet-raw-value.png"},
        {{"IPTC:Keywords"}, Step::actionSelection, std::nullopt, "sheet-select-action.png"},
        {{"XMP-dc:Title"}, Step::actionEdition,
         corvelle::FlatActionEdition::fromPresetEdition(corvelle::FlatPresetEdition::searchAndReplace), "sheet-action-settings.png"},
        {{"ExifIFD:DateTimeOriginal", "ExifIFD:CreateDate"}, Step::actionEdition,
         corvelle::FlatActionEdition::dateDistribution(), "sheet-date-distribution.png"},
        {{"ExifIFD:DateTimeOriginal", "ExifIFD:CreateDate"}, Step::actionEdition,
         corvelle::FlatActionEdition::dateParsing(), "sheet-date-parsing.png"},
    };
    for (const Shot& shot : shots) {
        if (!selectTags(editor, shot.tags))
            return fail("the tags to edit are not listed");
        EditorEditionCache cache(editor->tagValueTable()->content().valueSet());
        if (shot.action)
            cache.setFlatEdition(*shot.action);
        auto* sheet = corvelle::TagEditingWindowController::present(window, cache, shot.step);
        if (!sheet)
            return fail("the tag editing sheet did not open");
        settle(900);
        saved = save({window, sheet}, output.filePath(QString::fromLatin1(shot.file))) && saved;
        sheet->cancelEdition();
        settle(300);
    }

    // Each kind of value editor, in the sheet and then in the sidebar.
    const QList<std::pair<const char*, const char*>> editors{
        {"text", "XMP-dc:Title"},       {"number", "IFD0:XResolution"},
        {"yes-no", "XMP-xmpRights:Marked"}, {"speed", "GPS:GPSSpeed"},
        {"choices", "IFD0:Orientation"}, {"keywords", "IPTC:Keywords"},
        {"date", "ExifIFD:DateTimeOriginal"}, {"country", "IPTC:Country-PrimaryLocationCode"},
        {"not-writable", "Composite:ImageSize"},
    };
    for (const auto& [kind, tag] : editors) {
        if (!selectTags(editor, {QString::fromLatin1(tag)}))
            return fail("the tag of an editor is not listed");
        auto* sheet = corvelle::TagEditingWindowController::present(
            window, EditorEditionCache(editor->tagValueTable()->content().valueSet()));
        if (!sheet)
            return fail("the tag editing sheet did not open");
        settle(700);
        saved = save({window, sheet}, output.filePath(QStringLiteral("editor-%1-sheet.png").arg(QString::fromLatin1(kind)))) && saved;
        sheet->cancelEdition();
        settle(300);
    }

    auto* dates = new corvelle::UpdateDatesWindowController;
    if (brisa::SheetPresenter::presentSheet(window, dates, [dates](int) { dates->deleteLater(); })) {
        settle(800);
        saved = save({window, dates}, output.filePath(QStringLiteral("update-dates-sheet.png"))) && saved;
        dates->cancelSheet();
        settle(300);
    }

    auto* sync = new corvelle::TagValueSyncWindowController;
    sync->setTagCopies({{ostrak::TagName::fromRawValue(QStringLiteral("XMP-dc:Title")),
                         ostrak::TagName::fromRawValue(QStringLiteral("IPTC:ObjectName"))},
                        {ostrak::TagName::fromRawValue(QStringLiteral("IFD0:Make")),
                         ostrak::TagName::fromRawValue(QStringLiteral("IFD0:Artist"))}});
    sync->setTagSource(ostrak::TagName::fromRawValue(QStringLiteral("IPTC:City")));
    if (brisa::SheetPresenter::presentSheet(window, sync, [sync](int) { sync->deleteLater(); })) {
        settle(800);
        saved = save({window, sync}, output.filePath(QStringLiteral("tag-value-sync-sheet.png"))) && saved;
        sync->cancelSheet();
        settle(300);
    }

    // The sidebar beside the tag table.
    brisa::UserDefaults::standard().set(corvelle::Settings::tagEditingSidebarState(), corvelle::EditingSidebarState::enabled);
    settle(500);
    if (!selectTags(editor, {"XMP-dc:Title", "IPTC:ObjectName"}))
        return fail("the tags to edit are not listed");
    settle(800);
    saved = save({window}, output.filePath(QStringLiteral("sidebar-edit-value.png"))) && saved;
    tagsSection(editor)->editSelectedTagValues(Step::actionSelection);
    settle(800);
    saved = save({window}, output.filePath(QStringLiteral("sidebar-select-action.png"))) && saved;
    for (const auto& [kind, tag] : editors) {
        if (!selectTags(editor, {QString::fromLatin1(tag)}))
            return fail("the tag of an editor is not listed");
        settle(700);
        saved = save({window}, output.filePath(QStringLiteral("editor-%1-sidebar.png").arg(QString::fromLatin1(kind)))) && saved;
    }
    return saved ? 0 : 1;
}
