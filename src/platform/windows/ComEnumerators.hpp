#pragma once

#include "automation/Enumerator.hpp"
#include "platform/windows/ComHandles.hpp"

namespace orvantis::windows {

// A core Enumerator (what a collection's _NewEnum gives) as the IEnumVARIANT that For Each
// in a script expects.
ComPtr<IEnumVARIANT> EnumVariantOf(std::shared_ptr<Enumerator> elements);

// A foreign IEnumVARIANT as a core Enumerator.
std::shared_ptr<Enumerator> EnumeratorOf(ComPtr<IEnumVARIANT> elements);

}  // namespace orvantis::windows
