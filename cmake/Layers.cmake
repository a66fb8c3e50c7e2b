# Layers.cmake: keeps the program's parts in their layers. The puzzle is at the bottom, the window
# every front end shares is built on it, and the front ends on that; nothing points back up, and
# the lower layers know no toolkit.
#
# pebblix_layer(<target> [USES <target>...]) marks a target of a lower layer: it may link only the
# targets it USES, see headers only from its own folder and theirs (no include path elsewhere, no
# "../" in an include), and neither it nor anything it links may use Qt, nor may its sources
# include a Qt or an Emscripten header: the same code serves every front end.
# pebblix_check_layers() checks every marked target, once all are known, and stops the
# configuration on the first breach.

define_property(GLOBAL PROPERTY PEBBLIX_LAYERS
    BRIEF_DOCS "Targets of the lower layers"
    FULL_DOCS "Targets of the lower layers, which may use only the targets they name")

function(pebblix_layer target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "USES")
    set_property(GLOBAL APPEND PROPERTY PEBBLIX_LAYERS ${target})
    set_target_properties(${target} PROPERTIES PEBBLIX_USES "${arg_USES}"
        AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)
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

# The folders a target may see headers in: its own, and those of the targets it uses.
function(_pebblix_allowed_dirs target out)
    get_target_property(dirs ${target} SOURCE_DIR)
    get_target_property(uses ${target} PEBBLIX_USES)
    foreach(used IN LISTS uses)
        if(TARGET ${used})
            get_target_property(aliased ${used} ALIASED_TARGET)
            if(aliased)
                set(used ${aliased})
            endif()
            get_target_property(imported ${used} IMPORTED)
            if(NOT imported)
                get_target_property(dir ${used} SOURCE_DIR)
                list(APPEND dirs "${dir}")
            endif()
        endif()
    endforeach()
    set(${out} "${dirs}" PARENT_SCOPE)
endfunction()

function(pebblix_check_layers)
    get_property(targets GLOBAL PROPERTY PEBBLIX_LAYERS)
    foreach(target IN LISTS targets)
        _pebblix_find_qt_link(${target} "" found)
        if(found)
            message(FATAL_ERROR "${target} must not use Qt, but links it:${found}")
        endif()

        get_target_property(uses ${target} PEBBLIX_USES)
        foreach(prop LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
            get_target_property(links ${target} ${prop})
            foreach(link IN LISTS links)
                string(REGEX REPLACE "^\\$<LINK_ONLY:(.*)>$" "\\1" link "${link}")
                # "::@(...)" marks links made from another folder's CMakeLists, not a target.
                if(link AND NOT link MATCHES "^::@" AND NOT link IN_LIST uses)
                    message(FATAL_ERROR "${target} must not use ${link}: it uses only [${uses}]")
                endif()
            endforeach()
        endforeach()

        _pebblix_allowed_dirs(${target} allowed)
        foreach(prop INCLUDE_DIRECTORIES INTERFACE_INCLUDE_DIRECTORIES)
            get_target_property(dirs ${target} ${prop})
            foreach(dir IN LISTS dirs)
                string(REGEX REPLACE "^\\$<BUILD_INTERFACE:(.*)>$" "\\1" dir "${dir}")
                if(dir AND NOT dir IN_LIST allowed)
                    message(FATAL_ERROR "${target} must not see the headers of ${dir}: "
                                        "only those of [${allowed}]")
                endif()
            endforeach()
        endforeach()

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
            # bindings belong in web/, never in the code every front end shares.
            file(STRINGS "${file}" includes
                REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"]emscripten[./]")
            if(includes)
                message(FATAL_ERROR
                    "${target} must not use Emscripten, but ${file} includes it: ${includes}")
            endif()
            # A header found by its path from here would pass by the include paths above.
            file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"][^>\"]*\\.\\./")
            if(includes)
                message(FATAL_ERROR "${target} must not include from outside its folder, "
                                    "but ${file} does: ${includes}")
            endif()
        endforeach()
    endforeach()
endfunction()
