#include "widgets/controls/SearchField.h"

#include "platform/brisa/core/UserDefaults.h"
#include "widgets/TextLocalizer.h"

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QStyle>

namespace corvelle {

namespace {

QString recentsKey(const QString& autosaveName)
{
    return QStringLiteral("RecentSearches ") + autosaveName;
}

QAction* templateItem(QMenu* menu, const QString& key, int tag)
{
    QAction* item = menu->addAction(localizedString(key));
    item->setData(tag);
    return item;
}

} // namespace

SearchField::SearchField(QWidget* parent)
    : QLineEdit(parent)
{
    setClearButtonEnabled(true);
    QAction* search = addAction(QIcon::fromTheme(QStringLiteral("edit-find"),
                                                 style()->standardIcon(QStyle::SP_FileDialogContentsView)),
                                QLineEdit::LeadingPosition);
    search->setObjectName(QStringLiteral("searchMenuAction"));
    connect(search, &QAction::triggered, this, &SearchField::showSearchMenu);
    connect(this, &QLineEdit::returnPressed, this, &SearchField::rememberSearch);
}

void SearchField::setupRecentsMenu(const QString& autosaveName, const QList<QAction*>& extraItems)
{
    setRecentsAutosaveName(autosaveName);
    delete template_;
    template_ = new QMenu(localizedString(QStringLiteral("SearchTagsMenuRecents")), this);
    templateItem(template_, QStringLiteral("SearchTagsMenuRecentSearches"), RecentsTitleMenuItemTag);
    templateItem(template_, QStringLiteral("SearchTagsMenuItem"), RecentsMenuItemTag);
    template_->addSeparator();
    templateItem(template_, QStringLiteral("SearchTagsMenuClearMenu"), ClearRecentsMenuItemTag);
    templateItem(template_, QStringLiteral("SearchTagsMenuNoRecentSearches"), NoRecentsMenuItemTag);
    if (!extraItems.isEmpty()) {
        template_->addSeparator();
        template_->addActions(extraItems);
    }
}

QString SearchField::recentsAutosaveName() const
{
    return autosaveName_;
}

void SearchField::setRecentsAutosaveName(const QString& name)
{
    autosaveName_ = name;
}

QStringList SearchField::recentSearches() const
{
    if (autosaveName_.isEmpty())
        return localRecents_;
    return brisa::UserDefaults::standard().object(recentsKey(autosaveName_)).toStringList();
}

void SearchField::setRecentSearches(const QStringList& searches)
{
    const QStringList kept = searches.mid(0, maximumRecents);
    if (autosaveName_.isEmpty())
        localRecents_ = kept;
    else if (kept.isEmpty())
        brisa::UserDefaults::standard().removeObject(recentsKey(autosaveName_));
    else
        brisa::UserDefaults::standard().setObject(recentsKey(autosaveName_), kept);
}

QMenu* SearchField::searchMenuTemplate() const
{
    return template_;
}

void SearchField::showSearchMenu()
{
    if (QMenu* menu = makeSearchMenu())
        menu->popup(mapToGlobal(QPoint(0, height())));
}

void SearchField::rememberSearch()
{
    const QString search = text();
    if (search.trimmed().isEmpty())
        return;
    QStringList recents = recentSearches();
    recents.removeAll(search);
    recents.prepend(search);
    setRecentSearches(recents);
}

QMenu* SearchField::makeSearchMenu()
{
    if (!template_)
        return nullptr;
    const QStringList recents = recentSearches();
    auto* menu = new QMenu(template_->title(), this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    for (QAction* item : template_->actions()) {
        if (item->isSeparator()) {
            menu->addSeparator();
            continue;
        }
        switch (item->data().toInt()) {
        case RecentsTitleMenuItemTag:
            if (!recents.isEmpty())
                menu->addAction(item->text())->setEnabled(false);
            break;
        case RecentsMenuItemTag:
            for (const QString& search : recents) {
                connect(menu->addAction(search), &QAction::triggered, this, [this, search] {
                    setText(search);
                    Q_EMIT returnPressed();
                });
            }
            break;
        case ClearRecentsMenuItemTag:
            if (!recents.isEmpty())
                connect(menu->addAction(item->text()), &QAction::triggered, this,
                        [this] { setRecentSearches({}); });
            break;
        case NoRecentsMenuItemTag:
            if (recents.isEmpty())
                menu->addAction(item->text())->setEnabled(false);
            break;
        default:
            menu->addAction(item);
        }
    }
    return menu;
}

} // namespace corvelle
