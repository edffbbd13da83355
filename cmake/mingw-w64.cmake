# Cross-compiles for Windows with mingw-w64, for the processor that the including toolchain
# file names (x86_64 or i686). The -posix compilers carry std::mutex and std::thread, which
# GoogleTest needs; everything links statically so that the control and the programs need no
# mingw runtime DLL beside them.
set(CMAKE_SYSTEM_NAME Windows)
set(triplet ${CMAKE_SYSTEM_PROCESSOR}-w64-mingw32)

set(CMAKE_C_COMPILER ${triplet}-gcc-posix)
set(CMAKE_CXX_COMPILER ${triplet}-g++-posix)
set(CMAKE_RC_COMPILER ${triplet}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${triplet})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static")
set(CMAKE_MODULE_LINKER_FLAGS_INIT "-static")
if(CMAKE_SYSTEM_PROCESSOR STREQUAL i686)
    # The .def files name the 32-bit exports without their stdcall decoration (@n), as
    # Windows looks them up; the linker matches them to the decorated symbols.
    string(APPEND CMAKE_SHARED_LINKER_FLAGS_INIT " -Wl,--enable-stdcall-fixup")
endif()

# Header-only libraries of the build machine, offered without the rest of /usr/include.
set(nlohmann_json_DIR ${CMAKE_CURRENT_LIST_DIR}/windows/nlohmann_json CACHE PATH "")

# Windows programs built here (tests, discovery, the demo) run under Wine in a private prefix
# inside the build folder, with the Wine loader of their architecture (ORVANTIS_WINE_ARCH also
# picks the script host and regsvr32 that the script tests run).
if(CMAKE_SYSTEM_PROCESSOR STREQUAL i686)
    set(ORVANTIS_WINE_ARCH x86)
else()
    set(ORVANTIS_WINE_ARCH x64)
endif()
set(CMAKE_CROSSCOMPILING_EMULATOR env ORVANTIS_WINE_ARCH=${ORVANTIS_WINE_ARCH}
    ${CMAKE_CURRENT_LIST_DIR}/../scripts/wine-prefix run ${CMAKE_BINARY_DIR}/wine-prefix)
