#pragma once

#include <QFuture>
#include <QFutureWatcher>
#include <QObject>

#include <utility>

namespace brisa {

// Hands a background result to `context`'s thread once `future` has finished, and only while
// `context` lives: a watcher owned by the context carries the result, so a context deleted first
// takes the delivery with it. (A continuation attached with QFuture::then(context, ...) can run
// after its future's state is gone on this Qt, and crash.)
template<class T, class Done>
void deliverWhenFinished(QObject* context, QFuture<T> future, Done done)
{
    auto* watcher = new QFutureWatcher<T>(context);
    QObject::connect(watcher, &QFutureWatcherBase::finished, context, [watcher, done = std::move(done)]() mutable {
        if (!watcher->isCanceled())
            done(watcher->result());
        watcher->deleteLater();
    });
    watcher->setFuture(std::move(future));
}

} // namespace brisa
