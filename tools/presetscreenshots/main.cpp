// Pictures of the preset manager for reviewing its look: a library of two groups, the window with
// a preset's entries shown, then the entry sheet on each of its pages (tag, operation, custom
// value, search and replace, copy of another tag) and the name sheet. Run through
// scripts/make-preset-screenshots.sh, which gives it a private X server and home.

#include "engine/halvex/libraries/PresetManager.h"
#include "presets/PresetEditEditionWindowController.h"
#include "presets/PresetEditionsViewController.h"
#include "presets/PresetManagerWindowController.h"
#include "widgets/controls/RightClickTableView.h"

#include "ScreenshotSupport.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTableView>

namespace {

using halvex::PresetEdition;
using halvex::PresetItem;
using screenshots::save;
using screenshots::settle;

PresetItem::Entry entry(const char* tag, const PresetEdition& edition)
{
    return PresetItem::Entry(ostrak::TagName::fromRawValue(QLatin1String(tag)), edition);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    const QDir output(app.arguments().value(1, QStringLiteral("screenshots")));
    if (!QDir().mkpath(output.path()))
        return 1;

    halvex::CopyTagValueSettings copy;
    copy.tagName = ostrak::TagName::fromRawValue(QStringLiteral("IFD0:Model"));
    copy.formatter = halvex::CopyTagValueSettings::Formatter::pretty;
    halvex::SearchAndReplaceSettings search;
    search.searchString = QStringLiteral("Zürich");
    search.replaceString = QStringLiteral("Zurich");
    search.ignoreCase = true;
    const auto holiday = std::make_shared<PresetItem>(
        QStringLiteral("Holiday"), QStringLiteral("Titles and credits for the summer trip"),
        QList<PresetItem::Entry>{
            entry("XMP-dc:Title", PresetEdition::useCustomValue({QStringLiteral("Summer on the lake"), {}})),
            entry("XMP-dc:Creator", PresetEdition::copyTagValue(copy)),
            entry("XMP-dc:Description", PresetEdition::searchAndReplace(search)),
            entry("IPTC:Keywords", PresetEdition::useCustomAction({halvex::UseCustomActionSettings::Action::sortAscending})),
            entry("IFD0:Software", PresetEdition::useCustomAction({halvex::UseCustomActionSettings::Action::remove})),
        });
    halvex::PresetManager& manager = halvex::PresetManager::shared();
    manager.setGroups({
        std::make_shared<halvex::PresetGroup>(
            QStringLiteral("Travel"), QString(),
            QList<halvex::PresetItemPtr>{holiday, std::make_shared<PresetItem>(QStringLiteral("City walks"), QString(),
                                                                                QList<PresetItem::Entry>{})}),
        std::make_shared<halvex::PresetGroup>(
            QStringLiteral("Clean-up"), QStringLiteral("Tidy files before sharing"),
            QList<halvex::PresetItemPtr>{std::make_shared<PresetItem>(QString(), QString(), QList<PresetItem::Entry>{})}),
    });
    manager.setSelectedObjects({holiday});

    corvelle::PresetManagerWindowController& window = corvelle::PresetManagerWindowController::shared();
    window.resize(900, 560);
    window.move(60, 60);
    window.show();
    settle(1500);
    bool saved = save({&window}, output.filePath(QStringLiteral("preset-manager.png")));

    // The entry sheet: each page of a new entry, then the settings page of the other operations.
    const auto sheetShot = [&](const QString& name, const corvelle::PresetEditionCache& cache,
                               const std::function<void(corvelle::PresetEditEditionWindowController&)>& prepare) {
        window.editEntry(std::nullopt);
        settle(300);
        auto* sheet = qobject_cast<corvelle::PresetEditEditionWindowController*>(window.editWindowController());
        if (!sheet)
            return false;
        sheet->setCache(cache);
        if (prepare)
            prepare(*sheet);
        // The tag lists are searched off the main thread: their rows come in a moment later.
        if (auto* table = sheet->findChild<QTableView*>())
            screenshots::waitFor([table] { return !table->selectionModel()->selectedRows().isEmpty(); }, 10000);
        settle(1500);
        const bool done = save({&window, sheet}, output.filePath(name));
        sheet->cancelEdition();
        settle(500);
        return done;
    };
    using Cache = corvelle::PresetEditionCache;
    Cache tag(holiday, std::nullopt);
    tag.tagItem = ostrak::TagName::fromRawValue(QStringLiteral("XMP-dc:Title")).item();
    saved = sheetShot(QStringLiteral("preset-entry-tag.png"), Cache(holiday, std::nullopt), [&](auto& sheet) {
        sheet.cache().tagItem = tag.tagItem;
        sheet.showStep(Cache::Step::tagSelection, false);
    }) && saved;
    Cache action = tag;
    action.flatEdition = corvelle::FlatPresetEdition::uppercaseText;
    saved = sheetShot(QStringLiteral("preset-entry-operation.png"), action, {}) && saved;
    saved = sheetShot(QStringLiteral("preset-entry-custom-value.png"), Cache(holiday, 0), {}) && saved;
    saved = sheetShot(QStringLiteral("preset-entry-copy.png"), Cache(holiday, 1), {}) && saved;
    saved = sheetShot(QStringLiteral("preset-entry-search.png"), Cache(holiday, 2), {}) && saved;

    window.editProperty(corvelle::PresetEditableProperty::Kind::presetName);
    settle(1000);
    if (QDialog* sheet = window.editWindowController()) {
        saved = save({&window, sheet}, output.filePath(QStringLiteral("preset-name-sheet.png"))) && saved;
        sheet->reject();
        settle(300);
    }
    return saved ? 0 : 1;
}
