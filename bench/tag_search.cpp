// Word searches over the whole tag database, timed from search() to the result in the main
// thread's hands, as a picker sees them while the user types.
#include "engine/halvex/tags/TagItemSearchEngine.h"
#include "engine/ostrak/TagDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Milliseconds from search() to the delivery of its result.
double timedSearch(halvex::TagItemSearchEngine& engine, const QString& text, qsizetype* found)
{
    halvex::TagItemSearchRequest request = engine.request();
    request.string = text;
    QEventLoop loop;
    engine.onTagItemChange([&] {
        if (!engine.isSearching())
            loop.quit();
    });
    QElapsedTimer timer;
    timer.start();
    engine.search(request);
    loop.exec();
    *found = engine.tagItems().size();
    return timer.nsecsElapsed() / 1e6;
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const ostrak::TagDatabase& database = ostrak::TagDatabase::shared();
    if (database.origin() == ostrak::TagDatabase::Origin::Unavailable) {
        std::printf("the tag database is unavailable: %s\n", qPrintable(database.errorString()));
        return 1;
    }
    const qsizetype total = ostrak::TagItem::allCases().size();
    halvex::TagItemSearchEngine engine;
    qsizetype found = 0;
    // The first search folds every title and name once; later ones reuse them.
    const double first = timedSearch(engine, QStringLiteral("date"), &found);
    std::printf("first search over %lld tags (folds every text once): %.1f ms\n", static_cast<long long>(total), first);

    bool met = true;
    const std::vector<std::pair<const char*, QString>> cases{
        {"one word", QStringLiteral("latitude")},
        {"two words", QStringLiteral("gps lat")},
        {"three words", QStringLiteral("quicktime create date")},
    };
    QStringList figures;
    for (const auto& [label, text] : cases) {
        std::vector<double> runs;
        for (int i = 0; i < 21; ++i)
            runs.push_back(timedSearch(engine, text, &found));
        std::sort(runs.begin(), runs.end());
        const double median = runs[runs.size() / 2];
        met = met && median < 50;
        std::printf("%s \"%s\": %lld found, median %.1f ms, worst %.1f ms\n", label, qPrintable(text),
                    static_cast<long long>(found), median, runs.back());
        figures << QStringLiteral("%1 %2 ms").arg(QString::fromLatin1(label)).arg(median, 0, 'f', 1);
    }
    std::printf("BENCH tag-search: %s over %lld tags (goal: < 50 ms each) %s\n", qPrintable(figures.join(QStringLiteral(", "))),
                static_cast<long long>(total), met ? "met" : "missed");
    return 0;
}
