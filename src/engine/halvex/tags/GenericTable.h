#pragma once

namespace halvex {

// A table whose content is built from a request. Callers read the content as a value copy, and
// change what it shows by copying the latest request, changing the copy and handing it back to
// reload(), which builds the new content and announces it.
template<class RequestType, class ContentType>
class GenericTable {
public:
    using Request = RequestType;
    using Content = ContentType;

    virtual ~GenericTable() = default;

    virtual Content content() const = 0;
    virtual Request latestRequest() const = 0;
    virtual void reload(const Request& request) = 0;
};

} // namespace halvex
