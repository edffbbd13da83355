# One static library per layer and per product. Each library compiles against an include root
# of its own that holds only the source folders it may use, so a forbidden include (an inserter
# reaching into another product, the control or an adapter) fails to compile.
set(ORVANTIS_SOURCE_ROOT ${PROJECT_SOURCE_DIR}/src)

# Every target of the project takes the warnings as errors through this one target.
add_library(orvantis_warnings INTERFACE)
target_compile_options(orvantis_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion -Werror)

# orvantis_layer(NAME SOURCES file... SEES folder... [LINKS target...])
# SEES lists every source folder (relative to src/) that the library's files may include,
# its own included. "platform" means the ports alone, never the adapter folders below them.
function(orvantis_layer name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "" "SOURCES;SEES;LINKS")
    add_library(${name} STATIC ${ARG_SOURCES})
    set(root ${CMAKE_BINARY_DIR}/include-roots/${name})
    file(REMOVE_RECURSE ${root})
    foreach(folder IN LISTS ARG_SEES)
        if(folder STREQUAL "platform")
            file(GLOB ports RELATIVE ${ORVANTIS_SOURCE_ROOT}/platform
                 ${ORVANTIS_SOURCE_ROOT}/platform/*.hpp)
            foreach(port IN LISTS ports)
                file(MAKE_DIRECTORY ${root}/platform)
                file(CREATE_LINK ${ORVANTIS_SOURCE_ROOT}/platform/${port} ${root}/platform/${port}
                     SYMBOLIC)
            endforeach()
        else()
            get_filename_component(parent ${root}/${folder} DIRECTORY)
            file(MAKE_DIRECTORY ${parent})
            file(CREATE_LINK ${ORVANTIS_SOURCE_ROOT}/${folder} ${root}/${folder} SYMBOLIC)
        endif()
    endforeach()
    target_include_directories(${name} PRIVATE ${root})
    target_link_libraries(${name} PUBLIC ${ARG_LINKS} PRIVATE orvantis_warnings)
endfunction()

# orvantis_product(NAME FOLDER folder SOURCES file... [SEES folder...] [LINKS target...])
# A product (or any target the routing dispatches to) is registered here and nowhere else: its
# layer sees its own folder and what every product may use, never another product, the routing
# or the control; the routing layer (orvantis_targets) sees and links every product through
# ORVANTIS_PRODUCT_FOLDERS and ORVANTIS_PRODUCTS. SEES and LINKS add to the common ones.
set(ORVANTIS_PRODUCT_SEES items support dialogs platform automation)
set(ORVANTIS_PRODUCT_LINKS orvantis_items orvantis_support orvantis_dialogs)
set(ORVANTIS_PRODUCTS)
set(ORVANTIS_PRODUCT_FOLDERS)
function(orvantis_product name)
    cmake_parse_arguments(PARSE_ARGV 1 ARG "" "FOLDER" "SOURCES;SEES;LINKS")
    orvantis_layer(${name}
        SOURCES ${ARG_SOURCES}
        SEES ${ARG_FOLDER} ${ARG_SEES} ${ORVANTIS_PRODUCT_SEES}
        LINKS ${ORVANTIS_PRODUCT_LINKS} ${ARG_LINKS})
    set(ORVANTIS_PRODUCTS ${ORVANTIS_PRODUCTS} ${name} PARENT_SCOPE)
    set(ORVANTIS_PRODUCT_FOLDERS ${ORVANTIS_PRODUCT_FOLDERS} ${ARG_FOLDER} PARENT_SCOPE)
endfunction()
