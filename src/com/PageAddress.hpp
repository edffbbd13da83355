#pragma once

#include "control/SiteLock.hpp"
#include "platform/windows/Win32.hpp"

namespace orvantis::com {

// The address of the page that placed the control, asked of its site (the one given through
// IObjectWithSite or IOleObject::SetClientSite): the container's URL moniker, else the
// browser's LocationURL through IServiceProvider. None where no page is found: a script
// host, a form, an Office document. A browser whose address cannot be read gives an empty
// address, which the lock refuses.
PageAddress PageAddressOf(IUnknown* site);

}  // namespace orvantis::com
