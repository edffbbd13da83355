#pragma once

#include <memory>

namespace orvantis {

// A unique_ptr's deleter that is the one function of the library that made the object.
template <auto Free>
struct FreedBy {
    template <class Object>
    void operator()(Object* object) const {
        Free(object);
    }
};

template <class Object, auto Free>
using Owned = std::unique_ptr<Object, FreedBy<Free>>;

}  // namespace orvantis
