// Pictures of the keyword window for reviewing its look: a library three levels deep, the
// window alone, then with the keyword sheet open on a keyword with synonyms, and the keyword
// value editor that offers the same library and opens the window. Run through
// scripts/make-keyword-screenshots.sh, which gives it a private X server and home.

#include "editing/EditionKindTraits.h"
#include "editing/GenericEditionViewController.h"
#include "engine/halvex/libraries/KeywordManager.h"
#include "keywords/KeywordEditItemWindowController.h"
#include "keywords/KeywordManagerWindowController.h"
#include "keywords/KeywordOutlineViewController.h"
#include "widgets/ApplicationCommands.h"

#include "ScreenshotSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPixmap>
#include <QScreen>
#include <QThread>
#include <QTreeView>
#include <QVBoxLayout>

#include <cstdio>

namespace {

using screenshots::save;
using screenshots::settle;

halvex::KeywordItemPtr keyword(const QString& name, const QStringList& synonyms = {},
                               const QList<halvex::KeywordItemPtr>& children = {}, bool isHeader = false,
                               bool isPerson = false)
{
    return std::make_shared<halvex::KeywordItem>(name, isHeader, isPerson, synonyms, children);
}

// The application as far as the keyword editor asks it: the keyword window opens.
class KeywordWindowCommands : public corvelle::ApplicationCommands {
public:
    KeywordWindowCommands() { setCurrent(this); }
    bool validateCommand(const QString& command, QAction*) override
    {
        return command == QLatin1String("showKeywordManager:");
    }
    void performCommand(const QString& command, QAction* sender) override
    {
        if (validateCommand(command, sender))
            corvelle::KeywordManagerWindowController::shared().show();
    }
    QMenu* toolbarItemHelpMenu() const override { return nullptr; }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Corvelle"));
    const QDir output(app.arguments().value(1, QStringLiteral("screenshots")));
    if (!QDir().mkpath(output.path()))
        return 1;

    halvex::KeywordManager& manager = halvex::KeywordManager::shared();
    const halvex::KeywordItemPtr cat = keyword(QStringLiteral("Cat"), {QStringLiteral("Feline"), QStringLiteral("Kitty")},
                                               {keyword(QStringLiteral("Kitten"))});
    manager.setItems({
        keyword(QStringLiteral("Animals"), {QStringLiteral("Fauna"), QStringLiteral("Wildlife")},
                {cat, keyword(QStringLiteral("Heron"), {QStringLiteral("Ardea")})}),
        keyword(QStringLiteral("Places"), {},
                {keyword(QStringLiteral("Paris, France"), {QStringLiteral("Lutetia")},
                         {keyword(QStringLiteral("Montmartre"))}),
                 keyword(QStringLiteral("東京"), {QStringLiteral("Tōkyō")})},
                true),
        keyword(QStringLiteral("Ada Lovelace"), {QStringLiteral("Ada")}, {}, false, true),
    });

    corvelle::KeywordManagerWindowController& window = corvelle::KeywordManagerWindowController::shared();
    window.resize(720, 460);
    window.move(60, 60);
    window.outlineViewController()->outlineView()->expandAll();
    // Current once its row is in sight: a keyword hidden in a collapsed parent is not.
    manager.setCurrentItem(cat);
    window.show();
    settle(1500);
    bool saved = save({&window}, output.filePath(QStringLiteral("keyword-window.png")));

    window.performCommand(QStringLiteral("editKeyword:"));
    settle(1500);
    corvelle::KeywordEditItemWindowController* sheet = window.editItemWindowController();
    if (!sheet)
        return 1;
    saved = save({&window, sheet}, output.filePath(QStringLiteral("keyword-window-sheet.png"))) && saved;
    sheet->cancel();
    settle(300);

    KeywordWindowCommands commands;
    QWidget host;
    auto* layout = new QVBoxLayout(&host);
    corvelle::GenericEditionViewController* editor =
            corvelle::EditionKindTraits::of(corvelle::EditionKind::keyword).make(&host).release();
    layout->addWidget(editor);
    host.resize(560, 300);
    host.move(60, 60);
    host.show();
    settle(1000);
    saved = save({&host}, output.filePath(QStringLiteral("keyword-editor.png"))) && saved;
    return saved ? 0 : 1;
}
