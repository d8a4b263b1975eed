#pragma once

#include <QString>
#include <QVariantList>

namespace ostrak {

// A message for the user, kept as a localisation key and its arguments so that the interface
// shows it in the user's language; the engine itself never formats visible text.
class ExifToolMessage {
public:
    ExifToolMessage() = default;
    ExifToolMessage(QString key, QVariantList arguments = {});

    bool isEmpty() const { return key_.isEmpty(); }
    const QString& key() const { return key_; }
    const QVariantList& arguments() const { return arguments_; }

    // The text through the installed translation table. Without one (the engine used on its
    // own, as in tests) the key followed by its arguments, so nothing of the message is lost.
    QString text() const;

    bool operator==(const ExifToolMessage& other) const = default;

private:
    QString key_;
    QVariantList arguments_;
};

} // namespace ostrak
