// Sorting and filtering the open files, 10,000 and 100,000 of them, by file name and by a tag
// value. The files are tag editors over values made in memory, as the engine holds them once
// read. Goal: both grow no worse than n log n from 10,000 to 100,000 files (a factor of 13.3 at
// most; linear work grows by 10).
// Usage: bench_file_list
#include "engine/halvex/tags/TagEditor.h"
#include "engine/ostrak/TagItem.h"
#include "filemodel/MetadataFileList.h"
#include "filemodel/MetadataFileListFilter.h"
#include "filemodel/MetadataFileListSort.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>
#include <vector>

using namespace corvelle;

namespace {

constexpr double growthGoal = 13.3;

const ostrak::TagName dateTimeOriginal("ExifIFD", "DateTimeOriginal");
const ostrak::TagName title("XMP-dc", "Title");
const ostrak::TagName make("IFD0", "Make");

const QStringList words = {"beach", "sunset", "harbour", "mist", "dawn", "tower", "lake", "café", "Zürich", "boats"};

// Files in random order: names, dates and titles drawn from a fixed seed.
QList<MetadataFilePointer> makeFiles(int count)
{
    std::mt19937 random(count);
    std::uniform_int_distribution<int> day(0, 3650);
    std::uniform_int_distribution<int> second(0, 86399);
    std::uniform_int_distribution<int> word(0, int(words.size()) - 1);
    QList<MetadataFilePointer> files;
    files.reserve(count);
    const QDateTime start(QDate(2014, 1, 1), QTime(0, 0));
    for (int i = 0; i < count; ++i) {
        const QString name = QStringLiteral("IMG_%1.JPG").arg(i, 6, 10, QLatin1Char('0'));
        halvex::TagStorage storage(halvex::TagStorageSource(QUrl::fromLocalFile(QStringLiteral("/media/photos/") + name)));
        storage.setValue(ostrak::TagItem::itemFileFileName().tagName(), halvex::TagValue(name));
        storage.setValue(make, halvex::TagValue(QStringLiteral("Corvelle")));
        storage.setValue(title, halvex::TagValue(words.at(word(random)) + QLatin1Char(' ') + words.at(word(random))));
        const QDateTime taken = start.addDays(day(random)).addSecs(second(random));
        storage.setValue(dateTimeOriginal, halvex::TagValue(taken.toString(QStringLiteral("yyyy:MM:dd HH:mm:ss"))));
        files.append(std::make_shared<MetadataFile>(std::make_shared<halvex::TagEditor>(storage)));
    }
    std::shuffle(files.begin(), files.end(), random);
    return files;
}

// Fills the processor's caches with other data, as the rest of the program leaves them when the
// user sorts or selects: the small list is then not favoured by lying in the caches already.
void evictCaches()
{
    static std::vector<char> other(size_t(128) << 20);
    static unsigned char touched = 0;
    for (size_t i = 0; i < other.size(); i += 64)
        other[i] = char(++touched);
}

// The median of `runs` runs of `operation` on the list, each from the shuffled order: one run
// slowed or sped up by the rest of the machine moves it no more than any other.
double medianMs(MetadataFileList& list, const QList<MetadataFilePointer>& shuffled, int runs,
                const std::function<void(MetadataFileList&)>& operation)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        list.setFiles({});
        list.setFiles(shuffled);
        evictCaches();
        QElapsedTimer timer;
        timer.start();
        operation(list);
        times.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::nth_element(times.begin(), times.begin() + times.size() / 2, times.end());
    return times[times.size() / 2];
}

struct Case {
    const char* name;
    std::function<void(MetadataFileList&)> operation;
};

void report(const char* goal, const QList<Case>& cases, const QList<MetadataFilePointer>& small,
            const QList<MetadataFilePointer>& large)
{
    double worst = 0;
    QString detail;
    for (const Case& each : cases) {
        MetadataFileList list;
        const double smallMs = medianMs(list, small, 7, each.operation);
        const double largeMs = medianMs(list, large, 5, each.operation);
        std::printf("BENCH %s-%lld: %.1f ms\n", each.name, qlonglong(small.size()), smallMs);
        std::printf("BENCH %s-%lld: %.1f ms\n", each.name, qlonglong(large.size()), largeMs);
        const double growth = largeMs / smallMs;
        worst = std::max(worst, growth);
        detail += QStringLiteral(" %1 %2").arg(QString::fromLatin1(each.name)).arg(growth, 0, 'f', 1);
    }
    std::printf("BENCH %s: %.1f (goal: <= %.1f, n log n) %s [%s]\n", goal, worst, growthGoal,
                worst <= growthGoal ? "met" : "missed", qPrintable(detail.trimmed()));
    std::fflush(stdout);
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (!dateTimeOriginal.item()) {
        std::printf("BENCH file-list-sort-growth: no tag database (goal: <= %.1f, n log n) missed\n", growthGoal);
        return 1;
    }
    const QList<MetadataFilePointer> small = makeFiles(10000);
    const QList<MetadataFilePointer> large = makeFiles(100000);

    report("file-list-sort-growth",
           {{"file-list-sort-by-name", [](MetadataFileList& list) { list.sort(MetadataFileListSort()); }},
            {"file-list-sort-by-date", [](MetadataFileList& list) {
                 list.sort(MetadataFileListSort(dateTimeOriginal, MetadataFileListSort::SortOrder::descending));
             }}},
           small, large);

    MetadataFileListFilter byName;
    byName.filenameConstraint = MetadataFileListFilter::StringConstraint::matches(QStringLiteral("IMG_0[0-4][0-9]*7\\.JPG"));
    MetadataFileListFilter byValue;
    byValue.tagValueConstraint = MetadataFileListFilter::StringConstraint::contains(QStringLiteral("cafe zurich"));
    report("file-list-filter-growth",
           {{"file-list-filter-by-name", [byName](MetadataFileList& list) { list.selectFiles(byName); }},
            {"file-list-filter-by-tag-value", [byValue](MetadataFileList& list) { list.selectFiles(byValue); }}},
           small, large);
    return 0;
}
