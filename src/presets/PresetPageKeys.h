#pragma once

#include <QObject>

class QAbstractItemView;
class QKeyEvent;

namespace corvelle {

// The list handling the preset pages share. Sends the up and down arrow keys from anywhere in a preset page (its search field included) to
// the page's list, so they move the list's selection.
class PresetPageKeys : public QObject {
    Q_OBJECT

public:
    PresetPageKeys(QAbstractItemView* list, QObject* parent);

    // Moves the list's current row for an up or down arrow; false for any other key.
    static bool forward(QAbstractItemView* list, QKeyEvent* event);
    // Brings the list's first selected row to the middle once the list has laid out its rows.
    static void centreSelection(QAbstractItemView* list);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* list_;
};

} // namespace corvelle
