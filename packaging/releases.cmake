# releases.cmake: reads the game's changelog, the one record of its releases, for the metainfo.
#
# The changelog (packaging/changelog) is written in the Debian format, since the package ships it as
# it is. Every other place that names a release (the metainfo's list, the manual pages' date) is
# made from it here, so the two cannot drift apart.

# pebblix_read_changelog(FILE VERSION_VAR DATE_VAR RELEASES_VAR)
# Sets VERSION_VAR and DATE_VAR (YYYY-MM-DD) to the newest entry's version and date, and
# RELEASES_VAR to the metainfo's <release> elements, newest first, one <li> per changelog item.
# Stops the configuration on an entry it cannot read, rather than list a release wrongly.
function(pebblix_read_changelog file version_var date_var releases_var)
    file(READ "${file}" text)
    # CMake lists split at ';' except inside [ ]: hide the changelog's own ones while splitting lines.
    string(ASCII 1 semicolon)
    string(ASCII 2 open)
    string(ASCII 3 close)
    string(REPLACE ";" "${semicolon}" text "${text}")
    string(REPLACE "[" "${open}" text "${text}")
    string(REPLACE "]" "${close}" text "${text}")
    string(REPLACE "\n" ";" lines "${text}")

    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(releases "")
    set(version "")
    set(items "")
    set(newest_version "")
    set(newest_date "")
    foreach(line IN LISTS lines)
        list(LENGTH items item_count)
        if(line MATCHES "^pebblix \\(([^)]+)\\) ")
            set(version "${CMAKE_MATCH_1}")
            set(items "")
        elseif(line MATCHES "^  \\* (.*)$")
            list(APPEND items "${CMAKE_MATCH_1}")
        elseif(line MATCHES "^    +(.*)$" AND item_count GREATER 0)
            # A wrapped item: the continuation joins the last one.
            list(POP_BACK items last)
            list(APPEND items "${last} ${CMAKE_MATCH_1}")
        elseif(line MATCHES "^ -- .*>  [A-Z][a-z][a-z], ([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9]) ")
            set(day "${CMAKE_MATCH_1}")
            set(year "${CMAKE_MATCH_3}")
            list(FIND months "${CMAKE_MATCH_2}" month)
            if(version STREQUAL "" OR item_count EQUAL 0 OR month LESS 0)
                message(FATAL_ERROR "${file}: cannot read the entry that ends with: ${line}")
            endif()
            math(EXPR month "${month} + 1")
            if(month LESS 10)
                set(month "0${month}")
            endif()
            set(date "${year}-${month}-${day}")
            if(newest_version STREQUAL "")
                set(newest_version "${version}")
                set(newest_date "${date}")
            endif()

            string(APPEND releases
                "    <release version=\"${version}\" date=\"${date}\">\n"
                "      <description>\n"
                "        <ul>\n")
            foreach(item IN LISTS items)
                string(REPLACE "${semicolon}" ";" item "${item}")
                string(REPLACE "${open}" "[" item "${item}")
                string(REPLACE "${close}" "]" item "${item}")
                string(REPLACE "&" "&amp;" item "${item}")
                string(REPLACE "<" "&lt;" item "${item}")
                string(REPLACE ">" "&gt;" item "${item}")
                string(APPEND releases "          <li>${item}</li>\n")
            endforeach()
            string(APPEND releases
                "        </ul>\n"
                "      </description>\n"
                "    </release>\n")
            set(version "")
            set(items "")
        elseif(NOT line STREQUAL "")
            message(FATAL_ERROR "${file}: a line outside the Debian changelog format: ${line}")
        endif()
    endforeach()
    if(newest_version STREQUAL "" OR NOT version STREQUAL "")
        message(FATAL_ERROR "${file}: no complete entry, or an entry without its closing line")
    endif()

    set(${version_var} "${newest_version}" PARENT_SCOPE)
    set(${date_var} "${newest_date}" PARENT_SCOPE)
    # Without the last line break, so the template's own line ends the list.
    string(REGEX REPLACE "\n$" "" releases "${releases}")
    set(${releases_var} "${releases}" PARENT_SCOPE)
endfunction()
