// Start-up cost of the tag database: loading it from its cache file, and building it from ExifTool.
#include "engine/ostrak/TagDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

using ostrak::TagDatabase;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    TagDatabase::Options options;
    options.cacheFilePath = dir.filePath(QStringLiteral("tag-database.bin"));

    QElapsedTimer timer;
    timer.start();
    const TagDatabase built = TagDatabase::load(options);
    const qint64 buildMs = timer.elapsed();
    if (built.origin() != TagDatabase::Origin::ExifTool) {
        std::printf("tag database could not be built: %s\n", qPrintable(built.errorString()));
        return 1;
    }
    std::printf("built %lld items from %d tables in %lld ms\n", static_cast<long long>(built.allItems().size()),
                built.tableCount(), static_cast<long long>(buildMs));

    std::vector<double> loads;
    for (int i = 0; i < 15; ++i) {
        timer.start();
        const TagDatabase loaded = TagDatabase::load(options);
        loads.push_back(timer.nsecsElapsed() / 1e6);
        if (loaded.origin() != TagDatabase::Origin::Cache || loaded.allItems().size() != built.allItems().size()) {
            std::printf("the cache did not load\n");
            return 1;
        }
    }
    std::sort(loads.begin(), loads.end());
    const double median = loads[loads.size() / 2];
    std::printf("BENCH tag-database-load: %.1f ms (goal: < 100 ms) %s\n", median, median < 100 ? "met" : "missed");
    return 0;
}
