#include "engine/halvex/tags/TagValueTableRowValue.h"

#include "engine/halvex/tags/MediaType.h"
#include "engine/halvex/tags/TagEditor.h"

#include <QFileInfo>
#include <QThreadPool>
#include <QtConcurrent/QtConcurrentMap>

#include <algorithm>
#include <vector>

namespace halvex {

namespace {

// A folder takes its edits into the files in it, so it counts as writable.
bool canWriteFile(const TagEditor& editor)
{
    if (editor.isFolder())
        return true;
    const QUrl url = editor.source().url();
    // The extension decides for nearly every file; only an unknown one costs a look inside.
    std::optional<MediaType> type = MediaType::type(QFileInfo(url.path()).suffix());
    if (!type)
        type = MediaType::type(url);
    return type && type->isWritable();
}

// What a run of editors says of one row: the same rule as MultiValuedString::common().
struct RowState {
    std::optional<QString> first;
    bool isMixed = false;
    bool isEdited = false;
};

// What a run of consecutive editors says of every row.
struct EditorRun {
    qsizetype begin = 0;
    qsizetype end = 0;
    std::vector<RowState> states;
    bool filesAreWritable = true;
};

// Editors read apart, in runs this long, so that a large selection is read on several cores.
constexpr qsizetype editorsPerRun = 256;

QThreadPool& readingPool()
{
    static QThreadPool pool;
    return pool;
}

void readRun(EditorRun& run, const QList<ostrak::TagItem>& tagItems, const QList<std::shared_ptr<TagEditor>>& editors)
{
    run.states.resize(tagItems.size());
    // Each editor is read for all the tags at once, while its values are at hand.
    for (qsizetype e = run.begin; e < run.end; ++e) {
        const TagEditor& editor = *editors.at(e);
        run.filesAreWritable = run.filesAreWritable && canWriteFile(editor);
        const bool hasEdits = editor.hasEdits();
        for (qsizetype t = 0; t < tagItems.size(); ++t) {
            RowState& state = run.states[t];
            const ostrak::TagName& name = tagItems.at(t).tagName();
            if (!state.isMixed) {
                std::optional<QString> current = editor.currentValue(name);
                if (e == run.begin)
                    state.first = std::move(current);
                else if (current != state.first)
                    state.isMixed = true;
            }
            if (hasEdits && !state.isEdited)
                state.isEdited = editor.isEdited(name);
        }
    }
}

// The runs in order: a row is mixed when any run finds it mixed or two runs disagree.
EditorRun joined(std::vector<EditorRun>& runs)
{
    EditorRun all = std::move(runs.front());
    for (size_t r = 1; r < runs.size(); ++r) {
        const EditorRun& run = runs[r];
        all.filesAreWritable = all.filesAreWritable && run.filesAreWritable;
        for (size_t t = 0; t < all.states.size(); ++t) {
            RowState& state = all.states[t];
            const RowState& other = run.states[t];
            state.isMixed = state.isMixed || other.isMixed || other.first != state.first;
            state.isEdited = state.isEdited || other.isEdited;
        }
    }
    return all;
}

} // namespace

TagValueTableRowValue::TagValueTableRowValue(ostrak::TagItem tagItem, MultiValuedString value, bool isEdited,
                                             bool isWritable)
    : tagItem_(std::move(tagItem)), value_(std::move(value)), isEdited_(isEdited), isWritable_(isWritable)
{
}

QList<TagValueTableRowValue> TagValueTableRowValue::read(const QList<ostrak::TagItem>& tagItems,
                                                         const QList<std::shared_ptr<TagEditor>>& editors)
{
    std::vector<EditorRun> runs;
    for (qsizetype begin = 0; begin < editors.size() || runs.empty(); begin += editorsPerRun) {
        EditorRun run;
        run.begin = begin;
        run.end = std::min(begin + editorsPerRun, editors.size());
        runs.push_back(std::move(run));
    }
    const auto read = [&tagItems, &editors](EditorRun& run) { readRun(run, tagItems, editors); };
    if (runs.size() == 1)
        read(runs.front());
    else
        QtConcurrent::blockingMap(&readingPool(), runs, read);
    EditorRun all = joined(runs);
    const bool filesAreWritable = !editors.isEmpty() && all.filesAreWritable;
    std::vector<RowState>& states = all.states;

    QList<TagValueTableRowValue> rows;
    rows.reserve(tagItems.size());
    for (qsizetype t = 0; t < tagItems.size(); ++t) {
        RowState& state = states[t];
        MultiValuedString value = state.isMixed ? MultiValuedString::multiple()
                                  : state.first ? MultiValuedString::single(std::move(*state.first))
                                                : MultiValuedString::none();
        const ostrak::TagItem& item = tagItems.at(t);
        rows.append(TagValueTableRowValue(item, std::move(value), state.isEdited, filesAreWritable && item.isWritable()));
    }
    return rows;
}

} // namespace halvex
