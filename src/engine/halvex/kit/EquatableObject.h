#pragma once

#include <memory>

namespace halvex {

// A library object that is compared by identity, so that one list can hold the selected objects
// of a library whatever their class (preset groups and presets). Not copyable: a copy is a new
// object, made by the class's own copying constructor.
class EquatableObject {
public:
    virtual ~EquatableObject();
    EquatableObject(const EquatableObject&) = delete;
    EquatableObject& operator=(const EquatableObject&) = delete;

protected:
    EquatableObject() = default;
};

using EquatableObjectPtr = std::shared_ptr<EquatableObject>;

} // namespace halvex
