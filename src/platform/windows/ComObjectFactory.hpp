#pragma once

#include "platform/ObjectFactory.hpp"

namespace orvantis::windows {

// Creates automation objects through the component registry (CoCreateInstance by ProgID,
// in-process or local server) and hands them out as DispatchAsObjects; 429 when nothing is
// registered under the ProgID or it does not start.
class ComObjectFactory : public ObjectFactory {
public:
    ObjectRef CreateObject(const std::wstring& progId) override;
};

}  // namespace orvantis::windows
