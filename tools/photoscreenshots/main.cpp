// Pictures of the photo library's sheet for reviewing its look: a library of fixture movies in
// three albums (one a favourite, one without a location, one that cannot be decoded), the whole
// library, one album, an album of stills only, and a library folder that is missing; then the
// remote-profiles window with two profiles, and its title, keywords and location sheets. Run through
// scripts/make-photos-screenshots.sh, which gives it a private X server and home.

#include "engine/ostrak/ExifToolPool.h"
#include "photos/OpenPhotosWindowController.h"
#include "engine/halvex/libraries/KeywordItem.h"
#include "engine/halvex/libraries/KeywordManager.h"
#include "engine/halvex/libraries/PhotosRemoteManager.h"
#include "photos/PhotoImageManager.h"
#include "photos/RCEditPropertyWindowController.h"
#include "photos/RCProfilesViewController.h"
#include "photos/RCPropertiesViewController.h"
#include "photos/RCWindowController.h"
#include "platform/photolibrary/PhotoLibrary.h"

#include "ScreenshotSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPixmap>
#include <QProcess>
#include <QScreen>
#include <QTableView>
#include <QTemporaryDir>
#include <QThread>

#include <cstdio>

namespace {

using screenshots::save;
using screenshots::settle;

bool copy(const QDir& library, const QString& fixture, const QString& name, const QStringList& tags = {})
{
    const QString target = library.filePath(name);
    QDir().mkpath(QFileInfo(target).path());
    if (!QFile::copy(QStringLiteral(CORVELLE_FIXTURES_DIR "/") + fixture, target))
        return false;
    if (tags.isEmpty())
        return true;
    QProcess exiftool;
    exiftool.start(QStringLiteral("exiftool"), QStringList{QStringLiteral("-q"), QStringLiteral("-overwrite_original")} + tags + QStringList{target});
    return exiftool.waitForFinished(30000) && exiftool.exitCode() == 0;
}

// The remote-profiles window over a library of two profiles, then three of its sheets.
bool remoteProfiles(const QTemporaryDir& root, const QDir& output)
{
    using namespace halvex;
    auto& keywords = KeywordManager::shared();
    auto places = std::make_shared<KeywordItem>(QStringLiteral("Places"));
    places->insertChildren({std::make_shared<KeywordItem>(QStringLiteral("Paris, France")),
                            std::make_shared<KeywordItem>(QStringLiteral("Zürich"))}, 0);
    keywords.insertItems({places, std::make_shared<KeywordItem>(QStringLiteral("Holidays"))}, 0);

    PhotosRemoteManager manager(root.filePath(QStringLiteral("RemoteProfiles.json")));
    auto trip = std::make_shared<PhotosRemoteProfile>(
        QStringLiteral("Summer trip"), QStringLiteral("Paris clips from July"), PhotosRemoteFileNameEdition::keepCurrentName(),
        QStringLiteral("Evening by the Seine"), PhotosRemoteDateTimeValue(QDateTime(QDate(2024, 7, 14), QTime(21, 30))),
        QStringList{QStringLiteral("Paris, France"), QStringLiteral("summer"), QStringLiteral("river")},
        Coordinate(48.8584, 2.2945));
    auto erase = std::make_shared<PhotosRemoteProfile>(QStringLiteral("Clean up"), QString(),
                                                        PhotosRemoteFileNameEdition::customName(QString()), QString(),
                                                        std::nullopt, QStringList(), std::nullopt);
    manager.insertProfiles({trip, erase}, 0);
    manager.setSelectedProfiles({trip});

    corvelle::RCWindowController window(manager);
    window.resize(900, 600);
    window.move(60, 60);
    window.show();
    settle(1500);
    bool saved = save({&window}, output.filePath(QStringLiteral("remote-profiles-window.png")));

    const QList<std::pair<corvelle::RCProfileEditableProperty, const char*>> sheets{
        {corvelle::RCProfileEditableProperty::imageFilename, "remote-profiles-title-sheet.png"},
        {corvelle::RCProfileEditableProperty::imageKeywords, "remote-profiles-keywords-sheet.png"},
        {corvelle::RCProfileEditableProperty::imageLocation, "remote-profiles-location-sheet.png"},
    };
    for (const auto& [property, name] : sheets) {
        window.editProperty(property);
        settle(1500);
        corvelle::RCEditPropertyWindowController* edit = window.editWindowController();
        if (!edit)
            return false;
        saved = save({&window, edit}, output.filePath(QString::fromLatin1(name))) && saved;
        edit->cancelEdition();
        settle(500);
    }
    manager.setSelectedProfiles({});
    settle(800);
    saved = save({&window}, output.filePath(QStringLiteral("remote-profiles-no-selection.png"))) && saved;
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    const QDir output(app.arguments().value(1, QStringLiteral("screenshots")));
    if (!QDir().mkpath(output.path()))
        return 1;

    QTemporaryDir root;
    const QDir library(root.filePath(QStringLiteral("Pictures")));
    bool made = true;
    for (int i = 1; i <= 6; ++i) {
        made = copy(library, QStringLiteral("movie.mp4"), QStringLiteral("Holidays 2024/clip %1.mp4").arg(i),
                    {QStringLiteral("-QuickTime:CreationDate="), QStringLiteral("-QuickTime:CreateDate=2024:07:%1 10:00:00").arg(i, 2, 10, QLatin1Char('0'))})
               && made;
        made = copy(library, QStringLiteral("movie.mov"), QStringLiteral("Birthdays/party %1.mov").arg(i),
                    {QStringLiteral("-QuickTime:CreationDate="), QStringLiteral("-QuickTime:CreateDate=2023:03:%1 18:00:00").arg(i, 2, 10, QLatin1Char('0'))})
               && made;
    }
    made = copy(library, QStringLiteral("movie.mp4"), QStringLiteral("Holidays 2024/favourite.mp4"),
                {QStringLiteral("-XMP:Rating=5"), QStringLiteral("-QuickTime:GPSCoordinates=")})
           && made;
    made = copy(library, QStringLiteral("corrupt.mp4"), QStringLiteral("Birthdays/broken.mp4")) && made;
    made = copy(library, QStringLiteral("photo.jpg"), QStringLiteral("Stills/photo.jpg")) && made;
    if (!made)
        return 1;

    photolibrary::PhotoLibrary photoLibrary(ostrak::ExifToolPool::shared());
    photoLibrary.setRootPath(library.path());
    corvelle::PhotoImageManager images;
    corvelle::OpenPhotosWindowController sheet(photoLibrary, images);
    sheet.resize(900, 560);
    sheet.move(60, 60);
    sheet.show();
    settle(4000);
    bool saved = save({&sheet}, output.filePath(QStringLiteral("photos-all-items.png")));

    sheet.albumsTableView()->selectRow(3);
    settle(2500);
    saved = save({&sheet}, output.filePath(QStringLiteral("photos-album.png"))) && saved;
    sheet.zoomOut();
    sheet.zoomOut();
    settle(2500);
    saved = save({&sheet}, output.filePath(QStringLiteral("photos-album-zoomed-out.png"))) && saved;

    sheet.albumsTableView()->selectRow(4);
    settle(1500);
    saved = save({&sheet}, output.filePath(QStringLiteral("photos-stills-only.png"))) && saved;

    photoLibrary.setRootPath(root.filePath(QStringLiteral("Missing Library")));
    settle(1500);
    saved = save({&sheet}, output.filePath(QStringLiteral("photos-missing-library.png"))) && saved;
    sheet.hide();
    return remoteProfiles(root, output) && saved ? 0 : 1;
}
