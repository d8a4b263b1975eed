#pragma once

#include "engine/ostrak/TagName.h"
#include "engine/ostrak/TagStream.h"
#include "platform/brisa/core/BoolUDC.h"
#include "platform/brisa/core/CGFloatUDC.h"
#include "platform/brisa/core/EnumStringUDC.h"
#include "platform/brisa/core/EvaluedUserDefaultsKey.h"
#include "platform/brisa/core/IntUDC.h"
#include "platform/brisa/core/JSONCodableUDC.h"
#include "platform/brisa/core/StringArrayUDC.h"
#include "platform/brisa/core/StringUDC.h"

// Every persistent setting of the application is one typed key in this namespace, declared in
// the keys header of the area it belongs to (EditorSettings.h, EditionSettings.h, ...). Each key
// object is made on first use, once, and lives for the whole run; a write through
// brisa::UserDefaults::standard().set() posts didSetKeyNotification.
namespace corvelle::Settings {

template<class E>
using EnumKey = brisa::EvaluedUserDefaultsKey<brisa::EnumStringUDC<E>>;
using BoolKey = brisa::EvaluedUserDefaultsKey<brisa::BoolUDC>;
using IntKey = brisa::EvaluedUserDefaultsKey<brisa::IntUDC>;
using CGFloatKey = brisa::EvaluedUserDefaultsKey<brisa::CGFloatUDC>;
using StringKey = brisa::EvaluedUserDefaultsKey<brisa::StringUDC>;
using StringArrayKey = brisa::EvaluedUserDefaultsKey<brisa::StringArrayUDC>;
template<class T>
using JSONKey = brisa::EvaluedUserDefaultsKey<brisa::JSONCodableUDC<T>>;
using TagStreamsKey = JSONKey<QList<ostrak::TagStream>>;
using TagNamesKey = JSONKey<QList<ostrak::TagName>>;

} // namespace corvelle::Settings
