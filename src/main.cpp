#include "app/AppController.h"
#include "app/SingleInstance.h"
#include "engine/ostrak/ExifToolPool.h"

#include <QApplication>
#include <QDir>

int main(int argc, char* argv[])
{
    // Movies and sound play through Qt Multimedia's FFmpeg backend.
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND"))
        qputenv("QT_MEDIA_BACKEND", "ffmpeg");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    QApplication::setOrganizationName(QStringLiteral("Corvelle"));
    QApplication::setDesktopFileName(QStringLiteral("corvelle"));

    const QStringList paths = corvelle::SingleInstance::absolutePaths(app.arguments().mid(1), QDir::currentPath());
    corvelle::SingleInstance instance(corvelle::SingleInstance::defaultServerName());
    if (instance.handOverToRunningInstance(paths))
        return 0;

    // Listening from the start: a launch while a library alert waits hands its documents over
    // too, and they are opened once launching has finished.
    if (!instance.listen()) {
        if (instance.anotherInstanceAnswers()) {
            // It was too busy to take the documents: give it longer rather than start a
            // second instance beside it.
            if (instance.handOverToRunningInstance(paths, 60000))
                return 0;
            qWarning("Corvelle is already running but does not answer; try again in a moment.");
            return 1;
        }
        qWarning("Corvelle cannot receive documents from later launches: %s",
                 qPrintable(instance.errorString()));
    }
    corvelle::AppController controller;
    QObject::connect(&instance, &corvelle::SingleInstance::documentsHandedOver, &controller,
                     &corvelle::AppController::takeHandOver);
    QObject::connect(&controller, &corvelle::AppController::terminated, &app, &QCoreApplication::quit,
                     Qt::QueuedConnection);
    if (!controller.launch())
        return 0;
    // The first files opened should not wait for ExifTool to start.
    ostrak::ExifToolPool::shared().prestart();
    if (!paths.isEmpty())
        controller.takeHandOver(paths);
    return app.exec();
}
