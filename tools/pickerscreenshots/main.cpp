// Pictures of the tag and tag stream pickers for reviewing their look, each open as a sheet on a
// plain window with a search typed and a choice made. Run through
// scripts/make-picker-screenshots.sh, which gives it a private X server and home.

#include "platform/brisa/core/UserDefaults.h"
#include "platform/brisa/ui/SheetPresenter.h"
#include "tags/TagNamePickerWindowController.h"
#include "tags/TagNamesPickerWindowController.h"
#include "tags/TagStreamPickerWindowController.h"
#include "tags/TagStreamsPickerWindowController.h"
#include "tags/TagsSettings.h"
#include "widgets/TextLocalizer.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMainWindow>
#include <QPixmap>
#include <QScreen>
#include <QTableView>
#include <QThread>

#include <cstdio>

namespace {

void settle(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(10);
    }
}

bool save(const QList<const QWidget*>& windows, const QString& path)
{
    QRect area;
    for (const QWidget* window : windows)
        area = area.united(window->frameGeometry());
    const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(0, area.x(), area.y(), area.width(), area.height());
    const bool saved = shot.save(path);
    std::fprintf(stderr, "%s %s\n", saved ? "saved" : "could not save", qPrintable(path));
    return saved;
}

// Shows the picker on the host, lets its search arrive, takes the picture and cancels it.
bool shoot(QMainWindow& host, corvelle::TagPickerSheet& picker, const QString& path, const std::function<void()>& prepare)
{
    if (!brisa::SheetPresenter::presentSheet(&host, &picker, [](int) {}))
        return false;
    settle(800);
    prepare();
    settle(1500);
    const bool saved = save({&host, &picker}, path);
    picker.cancelSheet();
    settle(300);
    return saved;
}

void typeSearch(QWidget& picker, const QString& text)
{
    if (auto* field = picker.findChild<QLineEdit*>(QStringLiteral("searchField")))
        field->setText(text);
}

void selectRow(QWidget& picker, const char* list, int row)
{
    if (auto* view = picker.findChild<QTableView*>(QString::fromLatin1(list)))
        view->selectRow(row);
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    const QDir output(app.arguments().value(1, QStringLiteral("screenshots")));
    if (!QDir().mkpath(output.path()))
        return 1;
    brisa::UserDefaults::standard().set(corvelle::Settings::reducedTagSetUserChoice(), corvelle::ReducedTagSetUserChoice::all);

    QMainWindow host;
    host.setWindowTitle(QStringLiteral("Corvelle"));
    host.resize(900, 660);
    host.move(40, 40);
    host.show();
    settle(800);
    bool saved = true;

    corvelle::TagNamePickerWindowController name;
    name.setInstructions(corvelle::localizedString(QStringLiteral("SelectOneDateTagNamePickerTitle")));
    name.selectTagItem(ostrak::TagItem::itemEXIFDateTimeOriginal());
    saved = shoot(host, name, output.filePath(QStringLiteral("tag-name-picker.png")),
                  [&] { typeSearch(name, QStringLiteral("date original")); }) && saved;

    corvelle::TagNamesPickerWindowController names;
    names.setInstructions(corvelle::localizedString(QStringLiteral("SelectCSVTableTagNamesPickerTitle")));
    names.selectTagItems({ostrak::TagItem::itemFileFileName(), ostrak::TagItem::itemEXIFMake(),
                          ostrak::TagItem::itemEXIFDateTimeOriginal()});
    saved = shoot(host, names, output.filePath(QStringLiteral("tag-names-picker.png")), [&] {
        typeSearch(names, QStringLiteral("gps lat"));
        settle(500);
        selectRow(names, "availableItemsTableView", 1);
    }) && saved;

    corvelle::TagStreamPickerWindowController stream;
    stream.selectTagStream(ostrak::TagStream::streamXMP());
    saved = shoot(host, stream, output.filePath(QStringLiteral("tag-stream-picker.png")), [] {}) && saved;

    corvelle::TagStreamsPickerWindowController streams;
    streams.setInstructions(corvelle::localizedString(QStringLiteral("SelectSeveralExcludedTagStreamsPickerTitle")));
    streams.selectTagStreams({ostrak::TagStream::streamQuickTime(), ostrak::TagStream::streamXMP()});
    saved = shoot(host, streams, output.filePath(QStringLiteral("tag-streams-picker.png")),
                  [&] { selectRow(streams, "availableStreamsTableView", 2); }) && saved;
    return saved ? 0 : 1;
}
