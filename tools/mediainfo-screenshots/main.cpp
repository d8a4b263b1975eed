// Pictures of the download-info sheet for reviewing its look: its search page with the results
// of a search and the values to write, and its artwork page with the previews. The online
// services are the tests' local stand-in; nothing reaches the internet. Run through
// scripts/make-mediainfo-screenshots.sh, which gives it a private X server and home.

#include "support/FixtureMetadataServices.h"
#include "mediainfo/DownloadInfoWindowController.h"
#include "mediainfo/StoreSearchTargets.h"

#include "ScreenshotSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QThread>

#include <cstdio>
#include <functional>

namespace {

using screenshots::save;
using screenshots::waitFor;

template<class Widget>
Widget* widget(const QWidget* root, const char* name)
{
    return root->findChild<Widget*>(QString::fromLatin1(name));
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    QApplication::setOrganizationName(QStringLiteral("Corvelle"));
    const QDir output(app.arguments().value(1, QStringLiteral("screenshots")));
    QDir().mkpath(output.path());

    corvelle::test::FixtureMetadataServices services;
    corvelle::DownloadInfoWindowController sheet;
    sheet.move(40, 40);
    sheet.show();
    QComboBox* menu = widget<QComboBox>(&sheet, "servicePopUpButton");
    menu->setCurrentIndex(menu->findData(corvelle::StoreSearchTargets::index(corvelle::StoreSearchTarget::movieTheMovieDB)));
    sheet.selectService();
    widget<QLineEdit>(&sheet, "nameSearchField")->setText(QStringLiteral("Glass Harbor"));
    sheet.performSearch();
    bool ok = waitFor([&] { return !sheet.isSearchingMetadata() && !sheet.searchResults().isEmpty(); }, 20000);
    waitFor([] { return false; }, 400);
    ok = save({&sheet}, output.filePath(QStringLiteral("download-info-search.png"))) && ok;

    sheet.loadSelectedResult();
    ok = waitFor([&] { return !sheet.isSearchingMetadata() && sheet.isShowingArtworks(); }, 20000) && ok;
    waitFor([] { return false; }, 1500);
    ok = save({&sheet}, output.filePath(QStringLiteral("download-info-artwork.png"))) && ok;
    return ok ? 0 : 1;
}
