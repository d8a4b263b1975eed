#include "engine/halvex/kit/EquatableObject.h"

namespace halvex {

EquatableObject::~EquatableObject() = default;

} // namespace halvex
