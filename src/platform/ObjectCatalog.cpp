#include "platform/ObjectCatalog.hpp"

#include "automation/AutomationError.hpp"

namespace orvantis {

ObjectRef ObjectCatalog::CreateObject(const std::wstring& progId) {
    const auto found = constructors_.find(progId);
    if (found == constructors_.end()) {
        throw AutomationError::Standard(errors::kCannotCreateObject, progId);
    }
    return found->second();
}

}  // namespace orvantis
