// What the picture-taking programs of tools/ share: letting the interface settle or waiting for it,
// and saving what the screen shows of some windows.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QWidget>

#include <cstdio>
#include <functional>

namespace screenshots {

// Runs the event loop for that long, so pictures, layouts and queued work arrive.
inline void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

// Runs the event loop until `done` answers true; false when that takes longer than `milliseconds`.
inline bool waitFor(const std::function<bool()>& done, int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > milliseconds)
            return false;
        settle(50);
    }
    return true;
}

// The screen under the windows' frames, united, into `path`.
inline bool save(const QList<const QWidget*>& windows, const QString& path)
{
    QRect area;
    for (const QWidget* window : windows)
        area = area.united(window->frameGeometry());
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const bool saved = shot.save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

} // namespace screenshots
