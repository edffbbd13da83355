#include "platform/windows/ComObjectFactory.hpp"

#include "automation/AutomationError.hpp"
#include "platform/windows/DispatchAsObject.hpp"

namespace orvantis::windows {

ObjectRef ComObjectFactory::CreateObject(const std::wstring& progId) {
    CLSID classId;
    ComPtr<IDispatch> dispatch;
    if (FAILED(CLSIDFromProgID(progId.c_str(), &classId)) ||
        FAILED(CoCreateInstance(classId, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER,
                                IID_PPV_ARGS(&dispatch)))) {
        throw AutomationError::Standard(errors::kCannotCreateObject, progId);
    }
    return std::make_shared<DispatchAsObject>(std::move(dispatch));
}

}  // namespace orvantis::windows
