#include "engine/halvex/editions/EditionTask.h"

#include "engine/halvex/editions/EditionManager.h"

namespace halvex {

namespace {

const QString titleKey = QStringLiteral("EditionTaskTitle");
const QString labelKey = QStringLiteral("EditionTaskLabel");

} // namespace

EditionTask::EditionTask(Edition edition, std::optional<QString> label)
    : label_(std::move(label)), edition_(std::move(edition))
{
    setTitle({titleKey, {}});
    if (label_)
        setDescription({labelKey, {*label_}});
}

EditionTask::EditionTask(const TagEditorList& editors, EditorEdition edition)
    : editors_(editors), editorEdition_(std::move(edition))
{
    setTitle({titleKey, {}});
}

void EditionTask::run()
{
    EditionManager::Scope edition;
    if (edition_) {
        edition_();
        return;
    }
    if (!editorEdition_)
        return;
    const QList<std::shared_ptr<TagEditor>>& editors = editors_.editors();
    setTotalCount(int(editors.size()));
    forEachItem(int(editors.size()), 1, [&](int index) { editorEdition_(editors.at(index)); });
}

} // namespace halvex
