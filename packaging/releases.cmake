# releases.cmake: reads the game's changelog, the one record of its releases, for the metainfo.
#
# The changelog (packaging/changelog) is written in the Debian format, since the package ships it as
# it is, and read with Debian's own reader, dpkg-parsechangelog. Every other place that names a
# release (the metainfo's list, the manual pages' date) is made from it here, so the two cannot
# drift apart.
find_program(PEBBLIX_DPKG_PARSECHANGELOG dpkg-parsechangelog)
if(NOT PEBBLIX_DPKG_PARSECHANGELOG)
    message(FATAL_ERROR "The changelog is read by dpkg-parsechangelog: apt-get install dpkg-dev")
endif()

# pebblix_read_changelog(FILE VERSION_VAR DATE_VAR RELEASES_VAR)
# Sets VERSION_VAR and DATE_VAR (YYYY-MM-DD, the day as the entry writes it) to the newest entry's
# version and date, and RELEASES_VAR to the metainfo's <release> elements, newest first, one <li>
# per changelog item. Stops the configuration on anything dpkg-parsechangelog warns about, or a
# line that is no item, rather than list a release wrongly.
function(pebblix_read_changelog file version_var date_var releases_var)
    set(months Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(releases "")
    set(newest_version "")
    set(offset 0)
    while(TRUE)
        execute_process(COMMAND "${PEBBLIX_DPKG_PARSECHANGELOG}" -l "${file}" --format rfc822
                                --offset ${offset} --count 1
            OUTPUT_VARIABLE entry ERROR_VARIABLE complaint RESULT_VARIABLE failed)
        if(failed OR NOT complaint STREQUAL "")
            message(FATAL_ERROR "${file}: dpkg-parsechangelog cannot read it (${failed}):\n${complaint}")
        endif()
        if(entry STREQUAL "")
            break()
        endif()
        math(EXPR offset "${offset} + 1")

        # Each field on a line of its own; Changes last, its lines indented by one blank.
        if(NOT entry MATCHES "\nVersion: ([^\n]+)\n")
            message(FATAL_ERROR "${file}: entry ${offset} has no version")
        endif()
        set(version "${CMAKE_MATCH_1}")
        set(day_month_year "([0-9]?[0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])")
        if(NOT entry MATCHES "\nDate: [A-Z][a-z][a-z], ${day_month_year} ")
            message(FATAL_ERROR "${file}: the entry of ${version} has no date")
        endif()
        set(day "${CMAKE_MATCH_1}")
        set(year "${CMAKE_MATCH_3}")
        list(FIND months "${CMAKE_MATCH_2}" month)
        if(month LESS 0)
            message(FATAL_ERROR "${file}: the entry of ${version} has no month ${CMAKE_MATCH_2}")
        endif()
        math(EXPR month "${month} + 1")
        if(month LESS 10)
            set(month "0${month}")
        endif()
        if(day MATCHES "^[0-9]$")
            set(day "0${day}")
        endif()
        set(date "${year}-${month}-${day}")
        if(newest_version STREQUAL "")
            set(newest_version "${version}")
            set(newest_date "${date}")
        endif()

        # The items: without the heading line and the blank lines (" ."), each wrapped item joined
        # into one line, escaped for XML and made an <li>. Whatever is left is no item.
        string(REGEX MATCH "\nChanges:\n [^\n]*((\n [^\n]*)*)" changes "${entry}")
        set(items "${CMAKE_MATCH_1}")
        string(REPLACE "\n ." "" items "${items}")
        string(REGEX REPLACE "\n     +" " " items "${items}")
        string(REPLACE "&" "&amp;" items "${items}")
        string(REPLACE "<" "&lt;" items "${items}")
        string(REPLACE ">" "&gt;" items "${items}")
        string(REGEX REPLACE "\n   \\* ([^\n]*)" "\n          <li>\\1</li>" items "${items}")
        string(REGEX REPLACE "\n          <li>[^\n]*</li>" "" rest "${items}")
        if(items STREQUAL "" OR NOT rest STREQUAL "")
            message(FATAL_ERROR "${file}: the entry of ${version} has no items, or lines that "
                                "are none:${rest}")
        endif()
        string(APPEND releases
            "    <release version=\"${version}\" date=\"${date}\">\n"
            "      <description>\n"
            "        <ul>${items}\n"
            "        </ul>\n"
            "      </description>\n"
            "    </release>\n")
    endwhile()
    if(newest_version STREQUAL "")
        message(FATAL_ERROR "${file}: no entry")
    endif()

    set(${version_var} "${newest_version}" PARENT_SCOPE)
    set(${date_var} "${newest_date}" PARENT_SCOPE)
    # Without the last line break, so the template's own line ends the list.
    string(REGEX REPLACE "\n$" "" releases "${releases}")
    set(${releases_var} "${releases}" PARENT_SCOPE)
endfunction()
