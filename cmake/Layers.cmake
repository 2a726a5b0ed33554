# The layering of the code, enforced by the compiler.
#
# Every library shows its users only its own folders, through an include root of its own
# (build/include/<library>/) that holds a link to each folder. Includes are written from the
# repository's root ("devlink/device_link.h"), but the root itself is on no include path: a source
# sees exactly the folders of the libraries it links, so an include of a layer above it fails to
# compile. tests/layering proves it in the suite.

# zelkor_expose(TARGET FOLDER...): the target's users see these folders.
function(zelkor_expose target)
    get_target_property(type ${target} TYPE)
    set(scope PUBLIC)
    if(type STREQUAL "INTERFACE_LIBRARY")
        set(scope INTERFACE)
    endif()
    set(root ${CMAKE_BINARY_DIR}/include/${target})
    file(MAKE_DIRECTORY ${root})
    foreach(folder IN LISTS ARGN)
        if(NOT IS_SYMLINK ${root}/${folder})
            file(CREATE_LINK ${CMAKE_SOURCE_DIR}/${folder} ${root}/${folder} RESULT failed SYMBOLIC)
            if(failed)
                # A file system without links: everything builds, nothing is enforced.
                message(WARNING "No link for ${folder} (${failed}); the layers are not enforced")
                target_include_directories(${target} ${scope} ${CMAKE_SOURCE_DIR})
                return()
            endif()
        endif()
    endforeach()
    target_include_directories(${target} ${scope} ${root})
endfunction()

# zelkor_core_library(NAME FOLDER folder USES lower-libraries... SOURCES ...): a core layer.
function(zelkor_core_library name)
    cmake_parse_arguments(L "" "FOLDER" "USES;SOURCES" ${ARGN})
    add_library(${name} STATIC ${L_SOURCES})
    target_link_libraries(${name} PUBLIC ${L_USES} PRIVATE zelkor_warnings)
    zelkor_expose(${name} ${L_FOLDER})
    set_property(GLOBAL APPEND PROPERTY ZELKOR_CORE_LIBRARIES ${name})
endfunction()
