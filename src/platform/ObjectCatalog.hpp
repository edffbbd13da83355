#pragma once

#include <functional>
#include <map>
#include <string>

#include "platform/ObjectFactory.hpp"

namespace orvantis {

// An object factory that knows its classes by ProgID: where no component registry exists
// (Linux, tests), the product stand-ins and plug-ins are entered here.
class ObjectCatalog : public ObjectFactory {
public:
    using Constructor = std::function<ObjectRef()>;

    void Register(const std::wstring& progId, Constructor constructor) {
        constructors_[progId] = std::move(constructor);
    }
    ObjectRef CreateObject(const std::wstring& progId) override;

private:
    std::map<std::wstring, Constructor> constructors_;
};

}  // namespace orvantis
