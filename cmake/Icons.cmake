# Icons.cmake: the build steps that draw the game's icon from the window's picture with icons.py.
#
# The script runs on the build machine with a python3 that has Pillow (Debian's python3-pil), so a
# tree whose compiler makes programs for elsewhere (the web edition's Emscripten) draws them too.
set(PEBBLIX_ICONS_SCRIPT "${CMAKE_CURRENT_LIST_DIR}/icons.py")

# pebblix_find_python(VAR MODULES module... PACKAGES package...)
# Sets the cache variable VAR to a python3 that imports every MODULE: the one VAR already names,
# else Debian's /usr/bin/python3, else the first python3 on the PATH (one found earlier there, from
# pyenv or a virtual environment, may lack Debian's modules). Stops the configuration when none
# does, naming the Debian PACKAGES that bring the modules.
function(pebblix_find_python var)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "MODULES;PACKAGES")
    if(${var})
        set(candidates "${${var}}")
    else()
        find_program(PEBBLIX_PATH_PYTHON3 NAMES python3 NO_CMAKE_FIND_ROOT_PATH)
        set(candidates /usr/bin/python3 ${PEBBLIX_PATH_PYTHON3})
    endif()
    list(JOIN arg_MODULES ", " modules)
    foreach(candidate IN LISTS candidates)
        execute_process(COMMAND "${candidate}" -c "import ${modules}"
            RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
        if(NOT failed)
            set(${var} "${candidate}" CACHE FILEPATH "A python3 that imports ${modules}")
            return()
        endif()
    endforeach()
    list(JOIN arg_PACKAGES " " packages)
    list(JOIN candidates ", " tried)
    message(FATAL_ERROR "No python3 that imports ${modules} (tried ${tried}): "
                        "apt-get install ${packages}")
endfunction()

# pebblix_draw_icons(PICTURE picture [TARGET name] [PYTHON python3] [FILL #rrggbb]
#                    [PNG size file...] [MASKABLE size file...] [OPAQUE size file...] [ICO file])
# One build step that draws each file from the picture, as icons.py describes each kind (FILL is
# the background of the MASKABLE and OPAQUE ones); a relative file is in the current build folder.
# With TARGET, a target built by default that makes them all. PYTHON is a python3 with Pillow; by
# default one is found as the cache variable PEBBLIX_ICONS_PYTHON.
function(pebblix_draw_icons)
    cmake_parse_arguments(PARSE_ARGV 0 arg "" "PICTURE;TARGET;PYTHON;FILL;ICO"
                          "PNG;MASKABLE;OPAQUE")
    if(NOT arg_PICTURE OR arg_UNPARSED_ARGUMENTS)
        message(FATAL_ERROR "pebblix_draw_icons: a PICTURE and nothing unknown, please; "
                            "given ${ARGV}")
    endif()
    if(NOT arg_PYTHON)
        pebblix_find_python(PEBBLIX_ICONS_PYTHON MODULES PIL PACKAGES python3-pil)
        set(arg_PYTHON "${PEBBLIX_ICONS_PYTHON}")
    endif()
    get_filename_component(picture "${arg_PICTURE}" ABSOLUTE)
    set(arguments "${picture}")
    if(arg_FILL)
        list(APPEND arguments --fill "${arg_FILL}")
    endif()
    set(files "")
    foreach(kind PNG MASKABLE OPAQUE ICO)
        string(TOLOWER "${kind}" option)
        set(rest ${arg_${kind}})
        while(rest)
            if(kind STREQUAL "ICO")
                list(POP_FRONT rest file)
                list(APPEND arguments --${option})
            else()
                list(LENGTH rest length)
                if(length LESS 2)
                    message(FATAL_ERROR "pebblix_draw_icons: ${kind} wants a size and a file")
                endif()
                list(POP_FRONT rest size file)
                list(APPEND arguments --${option} ${size})
            endif()
            get_filename_component(file "${file}" ABSOLUTE BASE_DIR "${CMAKE_CURRENT_BINARY_DIR}")
            list(APPEND arguments "${file}")
            list(APPEND files "${file}")
        endwhile()
    endforeach()
    if(NOT files)
        message(FATAL_ERROR "pebblix_draw_icons: no file to draw")
    endif()
    get_filename_component(name "${picture}" NAME)
    add_custom_command(OUTPUT ${files}
        COMMAND "${arg_PYTHON}" "${PEBBLIX_ICONS_SCRIPT}" ${arguments}
        DEPENDS "${picture}" "${PEBBLIX_ICONS_SCRIPT}"
        COMMENT "Drawing the icons from ${name}"
        VERBATIM)
    if(arg_TARGET)
        add_custom_target(${arg_TARGET} ALL DEPENDS ${files})
    endif()
endfunction()
