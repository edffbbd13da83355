# nlohmann/json is header-only: the Windows build uses the build machine's copy, staged in a
# folder of its own so that no Linux system header is on the cross compiler's include path.
set(staged ${CMAKE_BINARY_DIR}/staged-include)
if(NOT EXISTS ${staged}/nlohmann)
    file(MAKE_DIRECTORY ${staged})
    file(CREATE_LINK /usr/include/nlohmann ${staged}/nlohmann SYMBOLIC)
endif()
if(NOT TARGET nlohmann_json::nlohmann_json)
    add_library(nlohmann_json::nlohmann_json INTERFACE IMPORTED)
    set_target_properties(nlohmann_json::nlohmann_json PROPERTIES
        INTERFACE_SYSTEM_INCLUDE_DIRECTORIES ${staged}
        INTERFACE_INCLUDE_DIRECTORIES ${staged})
endif()
set(nlohmann_json_FOUND TRUE)
