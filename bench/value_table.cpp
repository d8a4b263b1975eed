// Building the tag table's content for many selected files: 1,000 and 10,000 editors made in
// memory over the chosen tag set, each file holding the set's tags and about a hundred others,
// some values shared by every file, some differing, some missing, some edited. The figures are
// taken with the caches emptied before each build (see evictCaches()).
// Usage: bench_value_table
#include "engine/halvex/libraries/TagSetManager.h"
#include "engine/halvex/tags/TagEditor.h"
#include "engine/halvex/tags/TagValueTable.h"
#include "engine/halvex/tasks/TaskManager.h"
#include "engine/ostrak/TagDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using namespace halvex;

namespace {

constexpr int rounds = 5;
constexpr double goalRatio = 12.0;
constexpr double goalMillisecondsFor1k = 50.0;

std::shared_ptr<TagEditor> makeEditor(int index, const QList<ostrak::TagName>& shownTags)
{
    TagStorage storage(TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/media/clips/clip-%1.mp4").arg(index))));
    for (int i = 0; i < 100; ++i)
        storage.setValue(ostrak::TagName(QStringLiteral("Track%1").arg(i % 4 + 1), QStringLiteral("Tag%1").arg(i)),
                         TagValue(QString::number(index * 7 + i)));
    for (qsizetype i = 0; i < shownTags.size(); ++i) {
        switch (i % 4) {
        case 0: // the same in every file
            storage.setValue(shownTags.at(i), TagValue(QStringLiteral("Shared value %1").arg(i)));
            break;
        case 1: // differs from file to file
            storage.setValue(shownTags.at(i), TagValue(QStringLiteral("Clip %1").arg(index)));
            break;
        case 2: // only in every other file
            if (index % 2 == 0)
                storage.setValue(shownTags.at(i), TagValue(QStringLiteral("Even")));
            break;
        default: // in no file
            break;
        }
    }
    auto editor = std::make_shared<TagEditor>(std::move(storage));
    if (index % 10 == 0 && !shownTags.isEmpty())
        editor->setValue(QStringLiteral("Edited"), shownTags.first());
    return editor;
}

// Writes over more memory than the processor caches hold, so that the next build finds none of
// the editors' values in a cache, as after selecting files that were read a while ago. Without
// this the 1,000 editors of the small case stay in the caches from one round to the next and the
// 10,000 of the large case cannot: the ratio would measure the cache size, not the growth.
void evictCaches()
{
    static std::vector<char> buffer(256 * 1024 * 1024);
    static char fill = 0;
    std::fill(buffer.begin(), buffer.end(), ++fill);
}

// The median time of building the content for these editors, from a table showing none.
double buildMilliseconds(TagSetManager& tagSets, TaskManager& tasks, const QList<std::shared_ptr<TagEditor>>& editors,
                         bool cold)
{
    const TagValueTable::RowContentProvider provider = [](const TagValueTable::RowValue& row) {
        return QVariant(row.tagItem().title() + u' ' + row.valueText());
    };
    QList<double> times;
    for (int round = 0; round < rounds; ++round) {
        TagValueTable table(TagValueTable::Request(TagSetManager::Domain::chosen, Identified(provider)), tagSets, tasks);
        TagValueTable::Request request = table.latestRequest();
        request.editors = editors;
        if (cold)
            evictCaches();
        QElapsedTimer timer;
        timer.start();
        table.reload(request);
        times.append(timer.nsecsElapsed() / 1e6);
        if (table.content().editors().size() != editors.size())
            std::fprintf(stderr, "the table does not show the editors\n");
    }
    std::sort(times.begin(), times.end());
    return times.at(rounds / 2);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir folder;
    TagSetManager tagSets(folder.path());
    TaskManager tasks;
    ostrak::TagDatabase::shared(); // loaded once, outside the measure

    const QList<ostrak::TagName> shownTags = tagSets.chosenTagSet().tagNames();
    QList<std::shared_ptr<TagEditor>> editors;
    for (int i = 0; i < 10000; ++i)
        editors.append(makeEditor(i, shownTags));

    const QList<std::shared_ptr<TagEditor>> thousand = editors.mid(0, 1000);
    const double warmSmall = buildMilliseconds(tagSets, tasks, thousand, false);
    const double warmLarge = buildMilliseconds(tagSets, tasks, editors, false);
    const double small = buildMilliseconds(tagSets, tasks, thousand, true);
    const double large = buildMilliseconds(tagSets, tasks, editors, true);
    const double ratio = large / small;
    const bool met = ratio <= goalRatio && small <= goalMillisecondsFor1k;
    std::printf("%lld tag rows, medians of %d; caches warm: 1,000 editors %.2f ms, 10,000 editors %.2f ms; "
                "caches cold: %.2f ms, %.2f ms\n",
                static_cast<long long>(shownTags.size()), rounds, warmSmall, warmLarge, small, large);
    std::printf("BENCH value-table: %.2f / %.2f = %.2f (goal: ratio <= %.0f, 1k <= %.0f ms) %s\n", small, large, ratio,
                goalRatio, goalMillisecondsFor1k, met ? "met" : "missed");
    return 0;
}
