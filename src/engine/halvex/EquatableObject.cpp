#include "engine/halvex/EquatableObject.h"

namespace halvex {

EquatableObject::~EquatableObject() = default;

} // namespace halvex
