#include "editor/SplitViewTracker.h"

#include "platform/brisa/core/NotificationCenter.h"

#include <QChildEvent>
#include <QMouseEvent>
#include <QSplitter>

#include <algorithm>
#include <cmath>
#include <numeric>

namespace corvelle {

const QString SplitViewTracker::willStartResizingNotification =
    QStringLiteral("SplitViewTrackerWillStartResizingNotification");
const QString SplitViewTracker::didEndResizingNotification = QStringLiteral("SplitViewTrackerDidEndResizingNotification");

namespace {

int lengthOf(const QSplitter& splitView)
{
    return splitView.orientation() == Qt::Horizontal ? splitView.width() : splitView.height();
}

} // namespace

SplitViewTracker::SplitViewTracker(QSplitter* splitView, const Settings::CGFloatKey* ratioKey, QObject* parent)
    : QObject(parent)
    , splitView_(splitView)
    , ratioKey_(ratioKey)
{
    settleTimer_.setSingleShot(true);
    settleTimer_.setInterval(settleDelay);
    connect(&settleTimer_, &QTimer::timeout, this, &SplitViewTracker::settleCheck);
    if (!splitView)
        return;
    // Only a divider moved by the user emits splitterMoved.
    connect(splitView, &QSplitter::splitterMoved, this, [this] {
        splitViewWillResizeSubviews();
        splitViewDidResizeSubviews();
    });
    splitView->installEventFilter(this);
    watchHandles();
}

SplitViewTracker::~SplitViewTracker() = default;

void SplitViewTracker::watchHandles()
{
    // Handle 0 is never shown; filtering it does no harm.
    for (int index = 0; index < splitView_->count(); ++index)
        splitView_->handle(index)->installEventFilter(this);
}

bool SplitViewTracker::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == splitView_) {
        // Panes added later bring handles of their own.
        if (event->type() == QEvent::ChildAdded && qobject_cast<QSplitterHandle*>(static_cast<QChildEvent*>(event)->child()))
            static_cast<QChildEvent*>(event)->child()->installEventFilter(this);
        return false;
    }
    if (qobject_cast<QSplitterHandle*>(watched)) {
        if (event->type() == QEvent::MouseButtonPress && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            dividerHeld_ = true;
        else if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
            dividerHeld_ = false;
    }
    return false;
}

void SplitViewTracker::splitViewWillResizeSubviews()
{
    if (isResizingSplitView_)
        return;
    isResizingSplitView_ = true;
    brisa::NotificationCenter::defaultCenter().post(willStartResizingNotification, splitView_.data());
}

void SplitViewTracker::splitViewDidResizeSubviews()
{
    if (isResizingSplitView_)
        settleTimer_.start(); // a later step restarts the wait
}

void SplitViewTracker::settleCheck()
{
    if (!splitView_)
        return;
    if (dividerHeld_) {
        settleTimer_.start(); // a pause in the drag is no end
        return;
    }
    isResizingSplitView_ = false;
    saveRatio();
    brisa::NotificationCenter::defaultCenter().post(didEndResizingNotification, splitView_.data());
}

double SplitViewTracker::ratio(const QSplitter& splitView)
{
    const int length = lengthOf(splitView);
    const QList<int> sizes = splitView.sizes();
    if (length <= 0 || sizes.isEmpty())
        return 0.0;
    return double(sizes.first()) / double(length);
}

void SplitViewTracker::setRatio(QSplitter& splitView, double ratio)
{
    QList<int> sizes = splitView.sizes();
    const int length = lengthOf(splitView);
    if (sizes.size() < 2 || length <= 0 || !std::isfinite(ratio))
        return;
    const int total = std::accumulate(sizes.cbegin(), sizes.cend(), 0);
    const int first = std::min(total, int(std::lround(std::clamp(ratio, 0.0, 1.0) * length)));
    const int restBefore = total - sizes.first();
    const int rest = total - first;
    int given = 0;
    for (qsizetype index = 1; index < sizes.size(); ++index) {
        const bool last = index == sizes.size() - 1;
        const int share = restBefore > 0 ? int(std::lround(double(sizes.at(index)) * rest / restBefore))
                                         : rest / int(sizes.size() - 1);
        sizes[index] = last ? rest - given : share;
        given += sizes[index];
    }
    sizes[0] = first;
    splitView.setSizes(sizes);
}

void SplitViewTracker::saveRatio() const
{
    if (ratioKey_ && splitView_)
        brisa::UserDefaults::standard().set(*ratioKey_, ratio(*splitView_));
}

void SplitViewTracker::restoreRatio()
{
    if (ratioKey_ && splitView_)
        setRatio(*splitView_, brisa::UserDefaults::standard().value(*ratioKey_));
}

} // namespace corvelle
