#include "targets/PlugInInserter.hpp"

#include "automation/AutomationError.hpp"

namespace orvantis {

void WriteContactLateBound(Host& host, AgentContactRef& contact, const std::wstring& progId,
                           std::wstring_view target) {
    ObjectRef inserter;
    try {
        inserter = host.objects.CreateObject(progId);
    } catch (const AutomationError& error) {
        if (error.Number() != errors::kCannotCreateObject) throw;
        throw AutomationError::Standard(errors::kObjectRequired,
                                        L"no inserter is installed for the target \"" +
                                            std::wstring(target) + L"\" (" + progId + L")");
    }
    Argument record{Variant(ObjectRef(contact)), true};
    inserter->Invoke(L"WriteContact", CallKind::Method, std::span(&record, 1));

    // Take back whatever the reference now holds; it must still be a contact (or nothing).
    const ObjectRef returned = record.value.IsObject() ? record.value.ToObject() : nullptr;
    auto replaced = std::dynamic_pointer_cast<AgentContact>(returned);
    if (!record.value.IsObject() || (returned && !replaced)) {
        throw AutomationError::Standard(errors::kTypeMismatch);
    }
    contact = std::move(replaced);
}

}  // namespace orvantis
