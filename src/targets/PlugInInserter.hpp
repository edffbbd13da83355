#pragma once

#include <string>
#include <string_view>

#include "items/AgentContact.hpp"
#include "platform/Host.hpp"

namespace orvantis {

// The "msn" and "onenotes" contract: the inserter object answering to the ProgID gets the
// record by reference through WriteContact and may hand back a replacement. With no such
// component installed the call fails with 424, naming the target.
void WriteContactLateBound(Host& host, AgentContactRef& contact, const std::wstring& progId,
                           std::wstring_view target);

}  // namespace orvantis
