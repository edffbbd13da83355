#pragma once

// The Windows headers, included in one place: their MessageBox macro would rename the
// user-interface port's member wherever both meet.
#include <windows.h>
#include <objbase.h>
#include <oleauto.h>

#undef MessageBox
