#include "editing/EditionKindTraits.h"

#include "editing/BooleanEditionViewController.h"
#include "editing/CountryEditionViewController.h"
#include "editing/DateTimeActionViewController.h"
#include "editing/DateTimeEditionViewController.h"
#include "editing/EnumEditionViewController.h"
#include "editing/ImageB64EditionViewController.h"
#include "editing/KeywordEditionViewController.h"
#include "editing/NotWritableEditionViewController.h"
#include "editing/NumberEditionViewController.h"
#include "editing/SpeedEditionViewController.h"
#include "editing/TextEditionViewController.h"
#include "editing/UnknownEditionViewController.h"

namespace corvelle {

namespace {

template<class Editor>
QList<FlatActionEdition> presetActions()
{
    QList<FlatActionEdition> actions;
    for (const FlatPresetEdition edition : Editor::supportedPresetEditions())
        actions.append(FlatActionEdition::fromPresetEdition(edition));
    return actions;
}

template<class Editor>
std::unique_ptr<GenericEditionViewController> makeEditor(QWidget* parent)
{
    auto editor = std::make_unique<Editor>(parent);
    editor->loadView();
    return editor;
}

template<class Editor>
EditionKindTraits traitsOf(EditionKind kind, const char* formName,
                           QList<FlatActionEdition> (*actions)() = &presetActions<Editor>)
{
    return {kind,
            QString::fromLatin1(formName),
            &Editor::contentValue,
            &Editor::supportedPresetEditions,
            &Editor::supportsInsertion,
            &Editor::presetEditionContentValue,
            actions,
            &makeEditor<Editor>};
}

} // namespace

const EditionKindTraits& EditionKindTraits::of(EditionKind kind)
{
    static const QList<EditionKindTraits> table{
        traitsOf<KeywordEditionViewController>(EditionKind::keyword, "KeywordEditionView"),
        traitsOf<TextEditionViewController>(EditionKind::text, "TextEditionView"),
        traitsOf<EnumEditionViewController>(EditionKind::enumeration, "EnumEditionView"),
        traitsOf<SpeedEditionViewController>(EditionKind::speed, "SpeedEditionView"),
        traitsOf<CountryEditionViewController>(EditionKind::country, "CountryEditionView"),
        traitsOf<NumberEditionViewController>(EditionKind::number, "NumberEditionView"),
        traitsOf<BooleanEditionViewController>(EditionKind::boolean, "BooleanEditionView"),
        traitsOf<DateTimeEditionViewController>(EditionKind::dateTime, "DateTimeEditionView",
                                                &DateTimeEditionViewController::supportedActionEditions),
        traitsOf<ImageB64EditionViewController>(EditionKind::imageB64, "ImageB64EditionView"),
        traitsOf<UnknownEditionViewController>(EditionKind::unknown, "UnknownEditionView"),
        traitsOf<NotWritableEditionViewController>(EditionKind::notWritable, "NoWritableEditionView"),
        traitsOf<DateTimeActionViewController>(EditionKind::dateTimeAction, "DateTimeActionView"),
    };
    return table.at(qsizetype(kind));
}

EditionKind EditionKindTraits::editionViewControllerKind(const ostrak::TagItem& tagItem)
{
    const ostrak::TagType type = tagItem.type();
    const bool text = type.isShortString() || type == ostrak::TagType::LongString;
    if (tagItem.isInSequence())
        return text ? EditionKind::keyword : EditionKind::text;
    if (!tagItem.choices().isEmpty())
        return EditionKind::enumeration;
    if (type == ostrak::TagType::Speed)
        return EditionKind::speed;
    if (type == ostrak::TagType::Country)
        return EditionKind::country;
    if (text)
        return EditionKind::text;
    if (type.isNumber())
        return EditionKind::number;
    if (type == ostrak::TagType::Boolean)
        return EditionKind::boolean;
    if (type.isDateTimeOrPartial())
        return EditionKind::dateTime;
    if (type == ostrak::TagType::Base64Image)
        return EditionKind::imageB64;
    return EditionKind::unknown;
}

EditionKind EditionKindTraits::actionEditionViewControllerKind(const ostrak::TagItem& tagItem)
{
    if (tagItem.type().isDateTimeOrPartial())
        return EditionKind::dateTimeAction;
    return editionViewControllerKind(tagItem);
}

} // namespace corvelle
