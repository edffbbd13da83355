# 32-bit Windows: the control for 32-bit browsers and the 32-bit product components.
set(CMAKE_SYSTEM_PROCESSOR i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
