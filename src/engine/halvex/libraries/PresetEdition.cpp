#include "engine/halvex/libraries/PresetEdition.h"

#include "platform/brisa/core/KeyedJson.h"

using halvex::PresetEdition;
using Kind = PresetEdition::Kind;

namespace {

// In case order.
const QStringList caseNames{QStringLiteral("keepCurrentValue"), QStringLiteral("useCustomAction"),
                            QStringLiteral("copyTagValue"), QStringLiteral("useCustomValue"),
                            QStringLiteral("searchAndReplace")};

} // namespace

QJsonValue brisa::JsonCoding<PresetEdition>::encode(const PresetEdition& edition)
{
    const QString& name = caseNames.at(int(edition.kind()));
    switch (edition.kind()) {
    case Kind::keepCurrentValue:
        return KeyedJson::encodeCase(name);
    case Kind::useCustomAction:
        return KeyedJson::encodeCase(name, *edition.customActionSettings());
    case Kind::copyTagValue:
        return KeyedJson::encodeCase(name, *edition.copyTagValueSettings());
    case Kind::useCustomValue:
        return KeyedJson::encodeCase(name, *edition.customValueSettings());
    case Kind::searchAndReplace:
        return KeyedJson::encodeCase(name, *edition.searchAndReplaceSettings());
    }
    return {};
}

PresetEdition brisa::JsonCoding<PresetEdition>::decode(const QJsonValue& json, const QStringList& codingPath)
{
    const KeyedJson::Case found = KeyedJson::decodeCase(json, codingPath, caseNames);
    switch (Kind(caseNames.indexOf(found.name))) {
    case Kind::keepCurrentValue:
        return PresetEdition::keepCurrentValue();
    case Kind::useCustomAction:
        return PresetEdition::useCustomAction(found.payload<halvex::UseCustomActionSettings>());
    case Kind::copyTagValue:
        return PresetEdition::copyTagValue(found.payload<halvex::CopyTagValueSettings>());
    case Kind::useCustomValue:
        return PresetEdition::useCustomValue(found.payload<halvex::UseCustomValueSettings>());
    case Kind::searchAndReplace:
        return PresetEdition::searchAndReplace(found.payload<halvex::SearchAndReplaceSettings>());
    }
    return {};
}
