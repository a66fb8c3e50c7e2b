# PythonModules.cmake: finds the build machine's python3 with the modules a build step imports.
#
# A tree whose compiler makes programs for elsewhere (the web edition's Emscripten) runs its Python
# steps on the build machine, with Debian's modules.

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
