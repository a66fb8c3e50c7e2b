# source-ignore.cmake: turns the tree's .gitignore files into the regular expressions with which
# CPack leaves files out of the source tarball, so the tarball holds what a checkout holds.

# pebblix_source_ignore_files(VAR): sets VAR to expressions that match, as absolute paths, Git's
# metadata and every path that a .gitignore of the tree ignores. Negated patterns ("!") are not
# supported; the tree has none. The .gitignore files are those Git tracks, or the top one alone
# outside a Git checkout (an unpacked tarball).
function(pebblix_source_ignore_files var)
    set(escape "([][+.?()^$|\\\\])")
    string(REGEX REPLACE "${escape}" "\\\\\\1" top "${PROJECT_SOURCE_DIR}")
    set(expressions "^${top}/\\.git(/|$)")

    set(files .gitignore)
    find_package(Git QUIET)
    if(Git_FOUND AND EXISTS "${PROJECT_SOURCE_DIR}/.git")
        execute_process(COMMAND "${GIT_EXECUTABLE}" ls-files -- .gitignore "*/.gitignore"
            WORKING_DIRECTORY "${PROJECT_SOURCE_DIR}"
            OUTPUT_VARIABLE listed OUTPUT_STRIP_TRAILING_WHITESPACE RESULT_VARIABLE failed)
        if(NOT failed AND NOT listed STREQUAL "")
            string(REPLACE "\n" ";" files "${listed}")
        endif()
    endif()

    foreach(file IN LISTS files)
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/${file}")
        get_filename_component(dir "${file}" DIRECTORY)
        if(NOT dir STREQUAL "")
            string(REGEX REPLACE "${escape}" "\\\\\\1" dir "/${dir}")
        endif()
        file(STRINGS "${PROJECT_SOURCE_DIR}/${file}" patterns REGEX "^[^#!]")
        foreach(pattern IN LISTS patterns)
            string(REGEX REPLACE "${escape}" "\\\\\\1" pattern "${pattern}")
            string(REPLACE "*" "[^/]*" pattern "${pattern}")
            # A trailing slash asks for a folder; a slash anywhere else ties the pattern to the
            # .gitignore's own folder, and without one it matches at any depth below it.
            string(REGEX REPLACE "/$" "" pattern "${pattern}")
            if(pattern MATCHES "/")
                string(REGEX REPLACE "^/" "" pattern "${pattern}")
                list(APPEND expressions "^${top}${dir}/${pattern}(/|$)")
            else()
                list(APPEND expressions "^${top}${dir}/(.*/)?${pattern}(/|$)")
            endif()
        endforeach()
    endforeach()
    set(${var} "${expressions}" PARENT_SCOPE)
endfunction()
