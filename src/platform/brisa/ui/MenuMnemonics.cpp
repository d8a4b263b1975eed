#include "platform/brisa/ui/MenuMnemonics.h"

#include "platform/brisa/ui/MenuTree.h"

#include <QAction>
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

void MenuMnemonics::assign(const QList<QAction*>& items)
{
    QSet<QChar> used;
    for (const QAction* item : items) {
        if (const QChar taken = mnemonic(item->text()); !taken.isNull())
            used.insert(taken);
    }
    for (QAction* item : items) {
        const QString text = item->text();
        if (item->isSeparator() || text.isEmpty() || !mnemonic(text).isNull())
            continue;
        for (int position : candidates(text)) {
            const QChar letter = text[position].toLower();
            if (used.contains(letter))
                continue;
            used.insert(letter);
            QString marked = text;
            marked.insert(position, QLatin1Char('&'));
            item->setText(marked);
            break;
        }
    }
}

void MenuMnemonics::assignTree(QMenu* menu)
{
    for (QMenu* each : MenuTree::allMenus(menu))
        assign(each->actions());
}

} // namespace brisa
