// Defines the identifiers that the generated header declares.
#include "platform/windows/Win32.hpp"

#include <initguid.h>

#include "Orvantis_h.h"
