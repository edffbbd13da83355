# The Windows test suite: GoogleTest built from source with the cross compiler, every test
# program run by CTest under Wine (through the toolchain's CMAKE_CROSSCOMPILING_EMULATOR) in the
# build folder's private prefix, with one wineserver kept running for the whole run.
set(ORVANTIS_WINE_PREFIX ${CMAKE_BINARY_DIR}/wine-prefix)
set(ORVANTIS_WINE_SCRIPT ${PROJECT_SOURCE_DIR}/scripts/wine-prefix)

set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Not every machine of this kind runs 32-bit programs. Where this one cannot run the loader of
# the build's architecture, every test program is still built, but the tests under Wine are
# disabled (CTest lists them as not run) and wine-tests-not-run.txt says why, for
# scripts/test-all to repeat at the end of its output.
execute_process(COMMAND ${PROJECT_SOURCE_DIR}/scripts/wine-loader --check ${ORVANTIS_WINE_ARCH}
                RESULT_VARIABLE wine_unusable OUTPUT_VARIABLE wine_reason
                OUTPUT_STRIP_TRAILING_WHITESPACE)
set(ORVANTIS_WINE_NOT_RUN ${CMAKE_BINARY_DIR}/wine-tests-not-run.txt)
if(wine_unusable)
    set(ORVANTIS_WINE_RUNS FALSE)
    message(STATUS "${ORVANTIS_WINE_ARCH} tests under Wine: not run, ${wine_reason}")
    file(WRITE ${ORVANTIS_WINE_NOT_RUN} "${ORVANTIS_WINE_ARCH} tests under Wine: not run, ${wine_reason}\n")
else()
    set(ORVANTIS_WINE_RUNS TRUE)
    file(REMOVE ${ORVANTIS_WINE_NOT_RUN})
endif()

add_test(NAME wine_start COMMAND ${ORVANTIS_WINE_SCRIPT} start ${ORVANTIS_WINE_PREFIX})
set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine)
add_test(NAME wine_stop COMMAND ${ORVANTIS_WINE_SCRIPT} stop ${ORVANTIS_WINE_PREFIX})
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)

# Tests that run in the prefix, with Wine's programs (cscript, regsvr32) of the build's
# architecture.
function(orvantis_under_wine)
    set_tests_properties(${ARGN} PROPERTIES
        FIXTURES_REQUIRED wine ENVIRONMENT ORVANTIS_WINE_ARCH=${ORVANTIS_WINE_ARCH})
    if(NOT ORVANTIS_WINE_RUNS)
        set_tests_properties(${ARGN} PROPERTIES DISABLED TRUE)
    endif()
endfunction()
if(NOT ORVANTIS_WINE_RUNS)
    set_tests_properties(wine_start wine_stop PROPERTIES DISABLED TRUE)
endif()

# One CTest test per program: each Wine process costs a start, so cases are not split out.
function(orvantis_wine_test name)
    add_test(NAME ${name} COMMAND ${name} --gtest_brief=1)
    orvantis_under_wine(${name})
    set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
