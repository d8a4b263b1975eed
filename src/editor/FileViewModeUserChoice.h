#pragma once

#include "platform/brisa/core/EnumStrings.h"

namespace corvelle {

// How a section lays out its files.
enum class FileViewModeUserChoice {
    list,
    grid,
};

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::FileViewModeUserChoice> {
    static const QList<std::pair<corvelle::FileViewModeUserChoice, QString>>& table()
    {
        using E = corvelle::FileViewModeUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::list, QStringLiteral("list")},
            {E::grid, QStringLiteral("grid")},
        };
        return entries;
    }
};
