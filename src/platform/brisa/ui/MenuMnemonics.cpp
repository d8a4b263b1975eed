#include "platform/brisa/ui/MenuMnemonics.h"

#include "platform/brisa/ui/MenuTree.h"

#include <QAction>
#include <QHash>
#include <QMenu>
#include <QSet>

namespace brisa {

namespace {

// The positions of a title's characters worth a mnemonic: word starts first, then the rest.
QList<int> candidates(const QString& text)
{
    QList<int> starts;
    QList<int> others;
    for (int i = 0; i < text.size(); ++i) {
        if (!text[i].isLetterOrNumber())
            continue;
        const bool wordStart = i == 0 || !text[i - 1].isLetterOrNumber()
                               || (text[i].isUpper() && text[i - 1].isLower());
        (wordStart ? starts : others) << i;
    }
    return starts + others;
}

} // namespace

QChar MenuMnemonics::mnemonic(const QString& text)
{
    for (int i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != QLatin1Char('&'))
            continue;
        if (text[i + 1] == QLatin1Char('&')) {
            ++i;
            continue;
        }
        return text[i + 1].toLower();
    }
    return {};
}

namespace {

// Gives `item` a letter of its candidates, taking one from an item that can move to another of
// its own when none is free (a matching by augmenting paths: every item gets a letter whenever
// the letters allow it).
bool place(int item, const QList<QList<QChar>>& letters, QHash<QChar, int>& owner, QSet<QChar>& visited)
{
    for (const QChar letter : letters[item]) {
        if (visited.contains(letter))
            continue;
        visited.insert(letter);
        const auto taken = owner.constFind(letter);
        if (taken == owner.cend() || place(*taken, letters, owner, visited)) {
            owner.insert(letter, item);
            return true;
        }
    }
    return false;
}

} // namespace

void MenuMnemonics::assign(const QList<QAction*>& items)
{
    QSet<QChar> used;
    for (const QAction* item : items) {
        if (const QChar taken = mnemonic(item->text()); !taken.isNull())
            used.insert(taken);
    }
    QList<QAction*> waiting;
    QList<QList<QChar>> letters;
    for (QAction* item : items) {
        const QString text = item->text();
        if (item->isSeparator() || text.isEmpty() || !mnemonic(text).isNull())
            continue;
        QList<QChar> own;
        for (int position : candidates(text)) {
            const QChar letter = text[position].toLower();
            if (!used.contains(letter) && !own.contains(letter))
                own << letter;
        }
        waiting << item;
        letters << own;
    }
    QHash<QChar, int> owner;
    for (int index = 0; index < waiting.size(); ++index) {
        QSet<QChar> visited;
        place(index, letters, owner, visited);
    }
    for (auto it = owner.cbegin(); it != owner.cend(); ++it) {
        QAction* item = waiting[it.value()];
        QString text = item->text();
        for (int position : candidates(text)) {
            if (text[position].toLower() == it.key()) {
                text.insert(position, QLatin1Char('&'));
                item->setText(text);
                break;
            }
        }
    }
}

void MenuMnemonics::assignTree(QMenu* menu)
{
    for (QMenu* each : MenuTree::allMenus(menu))
        assign(each->actions());
}

} // namespace brisa
