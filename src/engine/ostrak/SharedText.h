#pragma once

#include <QString>

namespace ostrak {

// One copy of each text that repeats across every file opened (groups, tag names,
// descriptions), handed out to all who ask for it: thousands of opened files then hold
// references to one string instead of a copy each. Each thread remembers the copies it was
// given, so that threads reading files side by side seldom wait for one another.
//
// Safe to use from any thread. Texts are kept for the program's life: give it only texts drawn
// from a small set, never values.
class SharedText {
public:
    static QString shared(const QString& text);
};

} // namespace ostrak
