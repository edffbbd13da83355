#pragma once

#include <string>

#include "automation/Object.hpp"

namespace orvantis {

// Port: creates an automation object by its ProgID; error 429 when nothing answers to it.
class ObjectFactory {
public:
    virtual ~ObjectFactory() = default;
    virtual ObjectRef CreateObject(const std::wstring& progId) = 0;
};

}  // namespace orvantis
