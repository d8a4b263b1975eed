#include "app/DocumentOpener.h"

#include "app/ApplicationAlert.h"
#include "widgets/LibraryErrorText.h"
#include "app/settings/DocumentExtensions.h"
#include "editor/EditorWindowInterface.h"
#include "engine/halvex/libraries/LibraryError.h"
#include "engine/halvex/libraries/PresetFile.h"
#include "engine/halvex/libraries/PresetManager.h"
#include "engine/halvex/libraries/TagSetFile.h"
#include "engine/halvex/libraries/TagSetManager.h"

#include <QFileInfo>

namespace corvelle {

namespace {

QString lowercasedExtension(const QUrl& url)
{
    return QFileInfo(url.path()).suffix().toLower();
}

bool confirmed(const QString& stem)
{
    const int continueButton = 0;
    const int cancelButton = 1;
    return ApplicationAlert::run({stem, {QStringLiteral("ContinueButton"), QStringLiteral("CancelButton")}},
                                 QMessageBox::Question, cancelButton)
           == continueButton;
}

void showFailure(const QString& stem, const halvex::LibraryError& error)
{
    ApplicationAlert::run({stem, {QStringLiteral("OKButton")}, {libraryErrorText(error)}}, QMessageBox::Critical, 0);
}

} // namespace

DocumentOpener::DocumentOpener(EditorWindowProvider showEditorWindow) : showEditorWindow_(std::move(showEditorWindow))
{
}

bool DocumentOpener::isPresetFile(const QUrl& url)
{
    const QString extension = lowercasedExtension(url);
    return extension == presetFileExtension || extension == presetsFileExtension;
}

bool DocumentOpener::isTagSetFile(const QUrl& url)
{
    const QString extension = lowercasedExtension(url);
    return extension == tagSetFileExtension || extension == tagSetsFileExtension;
}

void DocumentOpener::openDocuments(const QList<QUrl>& urls) const
{
    QList<QUrl> presetUrls;
    QList<QUrl> tagSetUrls;
    QList<QUrl> otherUrls;
    for (const QUrl& url : urls) {
        if (isPresetFile(url))
            presetUrls << url;
        else if (isTagSetFile(url))
            tagSetUrls << url;
        else
            otherUrls << url;
    }

    if (!presetUrls.isEmpty())
        importPresetFiles(presetUrls);
    // Only one tag set can take the place of the displayed one.
    if (!tagSetUrls.isEmpty())
        importTagSetFile(tagSetUrls.first());
    if (!otherUrls.isEmpty()) {
        if (EditorWindowInterface* editor = showEditorWindow_())
            editor->addFiles(otherUrls);
    }
}

void DocumentOpener::importPresetFiles(const QList<QUrl>& urls)
{
    if (!confirmed(QStringLiteral("ImportingPresetFilesAlert")))
        return;
    halvex::PresetManager& manager = halvex::PresetManager::shared();
    for (const QUrl& url : urls) {
        try {
            const halvex::PresetFile file = halvex::PresetFile::from(url.toLocalFile());
            manager.insertGroups(file.groups(), int(manager.groups().size()));
            // The presets stay in the library when storing them fails, and the user is told.
            manager.save();
        } catch (const halvex::LibraryError& error) {
            showFailure(QStringLiteral("PresetManagerImportDidFail"), error);
        }
    }
}

void DocumentOpener::importTagSetFile(const QUrl& url)
{
    if (!confirmed(QStringLiteral("ImportingTagsetFilesAlert")))
        return;
    using halvex::TagSetManager;
    TagSetManager& manager = TagSetManager::shared();
    try {
        // Read before the library is touched: a file that cannot be read changes nothing.
        const halvex::TagSet imported = halvex::TagSetFile::from(url.toLocalFile()).tagSet();
        manager.replace(TagSetManager::Domain::chosen, [&](const halvex::TagSet&) { return imported; });
        manager.commit(TagSetManager::Domain::chosen);
    } catch (const halvex::LibraryError& error) {
        showFailure(QStringLiteral("TagSetImportDidFail"), error);
    }
}

} // namespace corvelle
