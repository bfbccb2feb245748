# The program's folders from the lowest to the highest: state low, behaviour
# high. Each folder is one library that links the folder below it, and a
# folder may include its own headers and those of the folders below, never
# one above. The check runs whenever a source of a folder changes.
set(TARNWELL_LAYERS ledger focus view edit files clipboard print app)

# Fails the configuration when a file of `folder`, or of any folder inside
# it (ledger/digits/ is part of ledger), includes a folder above it.
function(tarnwell_check_direction folder)
    list(FIND TARNWELL_LAYERS ${folder} rank)
    file(GLOB_RECURSE files CONFIGURE_DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/*.h ${CMAKE_CURRENT_SOURCE_DIR}/*.cpp)
    set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${files})
    foreach(file IN LISTS files)
        file(STRINGS ${file} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"/]+/")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"/]+)/.*$" "\\1" included "${line}")
            list(FIND TARNWELL_LAYERS ${included} includedRank)
            if(includedRank GREATER rank)
                message(FATAL_ERROR "${file} includes ${included}/, a folder above ${folder}/ "
                                    "(from low to high: ${TARNWELL_LAYERS})")
            endif()
        endforeach()
    endforeach()
endfunction()

# tarnwell_layer(<folder> [PORTABLE sources...] [WINDOWS sources...])
# The library tarnwell_<folder>: its portable sources everywhere, its Win32
# sources only in the Windows build.
function(tarnwell_layer folder)
    cmake_parse_arguments(arg "" "" "PORTABLE;WINDOWS" ${ARGN})
    tarnwell_check_direction(${folder})
    set(sources ${arg_PORTABLE})
    if(WIN32)
        list(APPEND sources ${arg_WINDOWS})
    endif()
    list(FIND TARNWELL_LAYERS ${folder} rank)
    set(target tarnwell_${folder})
    if(sources)
        add_library(${target} STATIC ${sources})
        set(scope PUBLIC)
    else()
        add_library(${target} INTERFACE)
        set(scope INTERFACE)
    endif()
    target_include_directories(${target} ${scope} ${PROJECT_SOURCE_DIR})
    if(rank GREATER 0)
        math(EXPR belowRank "${rank} - 1")
        list(GET TARNWELL_LAYERS ${belowRank} below)
        target_link_libraries(${target} ${scope} tarnwell_${below})
    endif()
endfunction()
