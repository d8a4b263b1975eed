#pragma once

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>

#include <exception>
#include <optional>
#include <type_traits>
#include <utility>

namespace brisa {

// Runs `block` on the main thread and waits for its result; at once when already on the main
// thread (or when there is no application object). An exception thrown by `block` reaches the
// caller. The main thread must not be waiting for the calling thread.
template<class Block>
auto safeSyncInMain(Block&& block) -> std::invoke_result_t<Block&>
{
    using Result = std::invoke_result_t<Block&>;
    QCoreApplication* app = QCoreApplication::instance();
    if (!app || QThread::currentThread() == app->thread())
        return block();

    std::exception_ptr failure;
    if constexpr (std::is_void_v<Result>) {
        QMetaObject::invokeMethod(
            app,
            [&] {
                try {
                    block();
                } catch (...) {
                    failure = std::current_exception();
                }
            },
            Qt::BlockingQueuedConnection);
        if (failure)
            std::rethrow_exception(failure);
    } else {
        std::optional<Result> result;
        QMetaObject::invokeMethod(
            app,
            [&] {
                try {
                    result.emplace(block());
                } catch (...) {
                    failure = std::current_exception();
                }
            },
            Qt::BlockingQueuedConnection);
        if (failure)
            std::rethrow_exception(failure);
        return std::move(*result);
    }
}

} // namespace brisa
