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
    set(month_names Jan Feb Mar Apr May Jun Jul Aug Sep Oct Nov Dec)
    set(month_numbers 01 02 03 04 05 06 07 08 09 10 11 12)
    set(releases "")
    set(offset 0)
    while(TRUE)
        execute_process(COMMAND "${PEBBLIX_DPKG_PARSECHANGELOG}" -l "${file}" --format rfc822
                                --offset ${offset} --count 1
            OUTPUT_VARIABLE entry ERROR_VARIABLE complaint RESULT_VARIABLE failed)
        if(failed OR NOT complaint STREQUAL "")
            message(FATAL_ERROR "${file}: dpkg-parsechangelog (exit ${failed}) finds fault:\n"
                                "${complaint}")
        elseif(entry STREQUAL "")
            break()
        endif()
        math(EXPR offset "${offset} + 1")
        # The fields in their order, each on a line of its own; dpkg-parsechangelog has checked the
        # date, whose month is one of the twelve.
        set(date "([0-9][0-9]) ([A-Z][a-z][a-z]) ([0-9][0-9][0-9][0-9])")
        if(NOT entry MATCHES "\nVersion: ([^\n]+)\n.*\nDate: [A-Z][a-z][a-z], ${date} ")
            message(FATAL_ERROR "${file}: entry ${offset} has no version or a date of another form")
        endif()
        set(version "${CMAKE_MATCH_1}")
        list(FIND month_names "${CMAKE_MATCH_3}" month)
        list(GET month_numbers ${month} month)
        set(date "${CMAKE_MATCH_4}-${month}-${CMAKE_MATCH_2}")
        if(offset EQUAL 1)
            set(${version_var} "${version}" PARENT_SCOPE)
            set(${date_var} "${date}" PARENT_SCOPE)
        endif()

        # The items: without the heading line and the blank lines (" ."), each wrapped item joined
        # into one line, escaped for XML and made an <li>. Whatever is left is no item.
        string(REGEX MATCH "\nChanges:\n [^\n]*((\n [^\n]*)*)" items "${entry}")
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
    if(offset EQUAL 0)
        message(FATAL_ERROR "${file}: no entry")
    endif()
    # Without the last line break, so the template's own line ends the list.
    string(REGEX REPLACE "\n$" "" releases "${releases}")
    set(${releases_var} "${releases}" PARENT_SCOPE)
endfunction()
