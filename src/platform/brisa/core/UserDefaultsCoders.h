#pragma once

// Every coder of the typed settings keys, for the files that declare keys.
#include "platform/brisa/core/BoolUDC.h"
#include "platform/brisa/core/CGFloatUDC.h"
#include "platform/brisa/core/EnumStringUDC.h"
#include "platform/brisa/core/IntUDC.h"
#include "platform/brisa/core/JSONCodableUDC.h"
#include "platform/brisa/core/StringArrayUDC.h"
#include "platform/brisa/core/StringUDC.h"
#include "platform/brisa/core/UserDefaults.h"
