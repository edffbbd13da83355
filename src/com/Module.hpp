#pragma once

#include <atomic>
#include <string>

#include "com/OrvantisTypes.hpp"
#include "platform/windows/ComHandles.hpp"

namespace orvantis::com {

using windows::ComPtr;

// The control's library as a whole: where it lives, its type library, and the locks that
// clients hold on it (IClassFactory::LockServer).
HMODULE ModuleHandle();
void SetModuleHandle(HMODULE module);
std::wstring ModulePath();

// A type of the type library embedded as resource 1 (read once per module).
ComPtr<ITypeInfo> TypeInfoOf(const GUID& id);

std::atomic<long>& ServerLocks();

}  // namespace orvantis::com
