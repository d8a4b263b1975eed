#pragma once

#include "platform/brisa/core/EnumStrings.h"
#include "widgets/TextLocalizer.h"

namespace corvelle {

// Whether saving tags also updates the file's modification date.
enum class FileModifyDateUpdateUserChoice {
    updateWithEachSave,
    updateManually,
};

inline QString title(FileModifyDateUpdateUserChoice choice)
{
    switch (choice) {
    case FileModifyDateUpdateUserChoice::updateWithEachSave:
        return localizedString(QStringLiteral("EditionUserChoiceUpdateFileModifyDateWithEachSave"));
    case FileModifyDateUpdateUserChoice::updateManually:
        return localizedString(QStringLiteral("EditionUserChoiceUpdateFileModifyDateManually"));
    }
    return {};
}

} // namespace corvelle

template<>
struct brisa::EnumStrings<corvelle::FileModifyDateUpdateUserChoice> {
    static const QList<std::pair<corvelle::FileModifyDateUpdateUserChoice, QString>>& table()
    {
        using E = corvelle::FileModifyDateUpdateUserChoice;
        static const QList<std::pair<E, QString>> entries{
            {E::updateWithEachSave, QStringLiteral("update_with_each_save")},
            {E::updateManually, QStringLiteral("update_manually")},
        };
        return entries;
    }
};
