#pragma once

#include <QLineEdit>
#include <QList>
#include <QPointer>
#include <QStringList>

class QAction;
class QMenu;

namespace corvelle {

// A search field: a search button at the start, a clear button at the end, and a remembered
// list of recent searches (each search ended with Return), shown in the search button's menu.
// Choosing a recent search puts it back into the field and runs it again (returnPressed).
class SearchField : public QLineEdit {
    Q_OBJECT
public:
    // The roles that the items of the search menu template take through their tag (data()).
    enum SearchMenuTag {
        RecentsTitleMenuItemTag = 1000,   // title above the recent searches
        RecentsMenuItemTag = 1001,        // replaced by one item per recent search
        ClearRecentsMenuItemTag = 1002,   // forgets the recent searches
        NoRecentsMenuItemTag = 1003,      // shown instead when there are none
    };
    static constexpr int maximumRecents = 10;

    explicit SearchField(QWidget* parent = nullptr);

    // Names the store of the recent searches (fields set up with the same name share them) and
    // makes the search menu template: the recents items, then the extra items after a separator.
    // The extra items stay the caller's.
    void setupRecentsMenu(const QString& autosaveName, const QList<QAction*>& extraItems);

    QString recentsAutosaveName() const;
    void setRecentsAutosaveName(const QString& name);

    // Newest first.
    QStringList recentSearches() const;
    void setRecentSearches(const QStringList& searches);

    QMenu* searchMenuTemplate() const;

    // Opens the menu made from the template below the field; nothing without a template.
    void showSearchMenu();

private:
    void rememberSearch();
    QMenu* makeSearchMenu();

    QString autosaveName_;
    QStringList localRecents_;   // without an autosave name
    QPointer<QMenu> template_;
};

} // namespace corvelle
