#pragma once

#include <QMetaType>
#include <QStringList>

namespace ostrak {

// Which files of an opened folder its editor takes: a list of shell patterns ("*.mov",
// "2024/*", "clip?.mp4"). A pattern without "/" is matched against the file name, one with "/"
// against the path below the folder. An empty list takes every file.
class ETPathFilter {
public:
    ETPathFilter() = default;
    explicit ETPathFilter(QStringList paths);

    const QStringList& paths() const { return paths_; }

    // relativePath: the file's path below the folder, with "/" separators.
    bool matches(const QString& relativePath) const;

    friend bool operator==(const ETPathFilter& a, const ETPathFilter& b) { return a.paths_ == b.paths_; }
    friend bool operator!=(const ETPathFilter& a, const ETPathFilter& b) { return !(a == b); }

private:
    QStringList paths_;
};

} // namespace ostrak

Q_DECLARE_METATYPE(ostrak::ETPathFilter)
