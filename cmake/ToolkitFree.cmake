# ToolkitFree.cmake: keeps the game logic and the shared window core free of either front end.
#
# pebblix_toolkit_free(<target>) marks a target that must neither link Qt, directly or through any
# target it links, nor include a Qt or an Emscripten header in its own sources: the same code
# serves the desktop window and the page. pebblix_check_toolkit_free() checks every marked target
# and stops the configuration on the first breach.

define_property(GLOBAL PROPERTY PEBBLIX_TOOLKIT_FREE_TARGETS
    BRIEF_DOCS "Targets that must not use Qt or Emscripten"
    FULL_DOCS "Targets that must not use Qt or Emscripten")

function(pebblix_toolkit_free target)
    set_property(GLOBAL APPEND PROPERTY PEBBLIX_TOOLKIT_FREE_TARGETS ${target})
    set_target_properties(${target} PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
endfunction()

function(_pebblix_find_qt_link item chain out)
    set(${out} "" PARENT_SCOPE)
    if(item MATCHES "(^|::|[/\\-])Qt[0-9]*[A-Za-z]*|WrapOpenGL")
        set(${out} "${chain} -> ${item}" PARENT_SCOPE)
        return()
    endif()
    if(NOT TARGET ${item})
        return()
    endif()
    get_target_property(type ${item} TYPE)
    set(props INTERFACE_LINK_LIBRARIES)
    if(NOT type STREQUAL "INTERFACE_LIBRARY")
        list(APPEND props LINK_LIBRARIES)
    endif()
    foreach(prop IN LISTS props)
        get_target_property(deps ${item} ${prop})
        foreach(dep IN LISTS deps)
            if(dep AND NOT dep STREQUAL item)
                string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" dep "${dep}")
                _pebblix_find_qt_link("${dep}" "${chain} -> ${item}" found)
                if(found)
                    set(${out} "${found}" PARENT_SCOPE)
                    return()
                endif()
            endif()
        endforeach()
    endforeach()
endfunction()

function(pebblix_check_toolkit_free)
    get_property(targets GLOBAL PROPERTY PEBBLIX_TOOLKIT_FREE_TARGETS)
    foreach(target IN LISTS targets)
        _pebblix_find_qt_link(${target} "" found)
        if(found)
            message(FATAL_ERROR "${target} must not use Qt, but links it:${found}")
        endif()
        get_target_property(dir ${target} SOURCE_DIR)
        file(GLOB_RECURSE files "${dir}/*.h" "${dir}/*.cpp")
        foreach(file IN LISTS files)
            # <QWidget>, <QtCore/qglobal.h>, and Qt's lower-case headers such as <qdrawutil.h>
            # (a standard header such as <queue> has no .h).
            file(STRINGS "${file}" includes
                REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q|qt|q[a-z0-9_]*\\.h[>\"])")
            if(includes)
                message(FATAL_ERROR "${target} must not use Qt, but ${file} includes it: ${includes}")
            endif()
            # <emscripten.h>, <emscripten/val.h>, <emscripten/bind.h> and the like: the page's
            # bindings belong in web/, never in the code both front ends share.
            file(STRINGS "${file}" includes
                REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]emscripten[./]")
            if(includes)
                message(FATAL_ERROR
                    "${target} must not use Emscripten, but ${file} includes it: ${includes}")
            endif()
        endforeach()
    endforeach()
endfunction()
