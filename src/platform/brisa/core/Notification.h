#pragma once

#include <QString>
#include <QVariantMap>

namespace brisa {

// One posted notification: its name, the sender it came from (an identity only, never
// dereferenced by the centre) and its user info.
struct Notification {
    QString name;
    const void* object = nullptr;
    QVariantMap userInfo;
};

} // namespace brisa
