#include "widgets/controls/SearchField.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QToolButton>
#include <QVBoxLayout>
#include <QtTest>

using corvelle::SearchField;

namespace {

// One line per item: its tag and title, "-" for a separator, "(off)" after a disabled item.
QStringList describe(const QMenu* menu)
{
    QStringList lines;
    for (const QAction* item : menu->actions()) {
        if (item->isSeparator()) {
            lines << "-";
            continue;
        }
        QString line = item->data().isValid() ? QString::number(item->data().toInt()) + " " : QString();
        line += item->text();
        if (!item->isEnabled())
            line += " (off)";
        lines << line;
    }
    return lines;
}

void search(SearchField& field, const QString& text)
{
    field.clear();
    QTest::keyClicks(&field, text);
    QTest::keyClick(&field, Qt::Key_Return);
}

// Opens the menu by clicking the search button, as the user does.
QMenu* openMenu(SearchField& field)
{
    for (QToolButton* button : field.findChildren<QToolButton*>()) {
        if (button->defaultAction() && button->defaultAction()->objectName() == "searchMenuAction") {
            QTest::mouseClick(button, Qt::LeftButton);
            return qobject_cast<QMenu*>(QApplication::activePopupWidget());
        }
    }
    return nullptr;
}

void choose(QMenu* menu, const QString& title)
{
    for (QAction* item : menu->actions()) {
        if (item->text() == title) {
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
            return;
        }
    }
    QFAIL(qPrintable("no item " + title));
}

} // namespace

class SearchFieldTest : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void cleanup()
    {
        while (QWidget* popup = QApplication::activePopupWidget())
            popup->close();
        SearchField field;
        for (const QString& name : {"History", "Other"}) {
            field.setRecentsAutosaveName(name);
            field.setRecentSearches({});
        }
    }

    void menuTemplate_data()
    {
        QTest::addColumn<int>("extraCount");
        QTest::addColumn<QStringList>("expected");
        const QStringList recents = {"1000 Recent Searches", "1001 Recent Search", "-",
                                     "1002 Clear Recent Searches", "1003 No Recent Searches"};
        QTest::newRow("no extra items") << 0 << recents;
        QTest::newRow("two extra items") << 2 << recents + QStringList{"-", "Extra 1", "Extra 2"};
    }

    void menuTemplate()
    {
        QFETCH(int, extraCount);
        QFETCH(QStringList, expected);
        SearchField field;
        QList<QAction*> extras;
        for (int i = 1; i <= extraCount; ++i)
            extras << new QAction(QString("Extra %1").arg(i), &field);
        field.setupRecentsMenu("History", extras);

        QCOMPARE(field.recentsAutosaveName(), QString("History"));
        QVERIFY(field.searchMenuTemplate());
        QCOMPARE(field.searchMenuTemplate()->title(), QString("Recent Searches"));
        QCOMPARE(describe(field.searchMenuTemplate()), expected);
        if (extraCount > 0)
            QCOMPARE(field.searchMenuTemplate()->actions().last(), extras.last());
    }

    void returnRemembersSearchesNewestFirst()
    {
        SearchField field;
        field.setupRecentsMenu("History", {});
        search(field, "paris");
        search(field, "rome");
        search(field, "   ");
        search(field, "paris");
        QCOMPARE(field.recentSearches(), (QStringList{"paris", "rome"}));
        for (int i = 0; i < 12; ++i)
            search(field, QString("place %1").arg(i));
        QCOMPARE(field.recentSearches().size(), SearchField::maximumRecents);
        QCOMPARE(field.recentSearches().first(), QString("place 11"));
    }

    void fieldsWithTheSameNameShareTheirSearches()
    {
        SearchField first;
        SearchField second;
        SearchField other;
        first.setupRecentsMenu("History", {});
        second.setupRecentsMenu("History", {});
        other.setupRecentsMenu("Other", {});
        search(first, "lisbon");
        QCOMPARE(second.recentSearches(), QStringList{"lisbon"});
        QCOMPARE(other.recentSearches(), QStringList());

        // Without a name the searches stay with the field.
        SearchField unnamed;
        search(unnamed, "oslo");
        QCOMPARE(unnamed.recentSearches(), QStringList{"oslo"});
        QCOMPARE(first.recentSearches(), QStringList{"lisbon"});
    }

    void menuShowsAndRunsRecentSearches()
    {
        QWidget window;
        auto* layout = new QVBoxLayout(&window);
        auto* field = new SearchField(&window);
        layout->addWidget(field);
        auto* extra = new QAction("Options", field);
        field->setupRecentsMenu("History", {extra});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        field->setFocus();

        QMenu* menu = openMenu(*field);
        QVERIFY(menu);
        QCOMPARE(describe(menu), (QStringList{"-", "No Recent Searches (off)", "-", "Options"}));
        menu->close();

        search(*field, "paris");
        search(*field, "rome");
        QSignalSpy searches(field, &QLineEdit::returnPressed);
        menu = openMenu(*field);
        QVERIFY(menu);
        QCOMPARE(describe(menu), (QStringList{"Recent Searches (off)", "rome", "paris", "-",
                                              "Clear Recent Searches", "-", "Options"}));
        choose(menu, "paris");
        QCOMPARE(field->text(), QString("paris"));
        QCOMPARE(searches.count(), 1);
        QCOMPARE(field->recentSearches(), (QStringList{"paris", "rome"}));

        menu = openMenu(*field);
        QVERIFY(menu);
        choose(menu, "Clear Recent Searches");
        QCOMPARE(field->recentSearches(), QStringList());
    }

    void noTemplateNoMenu()
    {
        QWidget window;
        auto* field = new SearchField(&window);
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(openMenu(*field), nullptr);
    }
};

QTEST_MAIN(SearchFieldTest)
#include "SearchFieldTest.moc"
