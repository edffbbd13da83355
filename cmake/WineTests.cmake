# The Windows test suite: GoogleTest built from source with the cross compiler, every test
# program run by CTest under Wine (through the toolchain's CMAKE_CROSSCOMPILING_EMULATOR) in the
# build folder's private prefix, with one wineserver kept running for the whole run.
set(ORVANTIS_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(ORVANTIS_WINE_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/wine-prefix)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

add_test(NAME wine_start COMMAND ${ORVANTIS_WINE_SCRIPT} start ${ORVANTIS_WINE_PREFIX})
set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine)
add_test(NAME wine_stop COMMAND ${ORVANTIS_WINE_SCRIPT} stop ${ORVANTIS_WINE_PREFIX})
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)

# Tests that run in the prefix, with Wine's programs (cscript, regsvr32) of the build's
# architecture.
function(orvantis_under_wine)
    set_tests_properties(${ARGN} PROPERTIES
        FIXTURES_REQUIRED wine ENVIRONMENT ORVANTIS_WINE_ARCH=${ORVANTIS_WINE_ARCH})
endfunction()

# One CTest test per program: each Wine process costs a start, so cases are not split out.
function(orvantis_wine_test name)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    orvantis_under_wine(${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
