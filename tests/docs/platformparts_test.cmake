# The help page's platform parts: a table of pages and what each platform keeps, the markers
# that stop the build, and the real page as each platform shows it.
# cmake -DSOURCE=<source tree> -DWORK=<scratch folder> -P platformparts_test.cmake
include(${SOURCE}/cmake/platformparts.cmake)

function(expect what page platform wanted)
    sequate_platform_parts("${page}" ${platform} got)
    if(NOT got STREQUAL wanted)
        message(SEND_ERROR "${what}, ${platform}: got\n${got}\nwanted\n${wanted}")
    endif()
endfunction()

set(both "a\n<!-- windows -->\nw\n<!-- /windows -->\n<!-- linux -->\nl\n<!-- /linux -->\nb\n")
expect("one part each" "${both}" windows "a\nw\nb\n")
expect("one part each" "${both}" linux "a\nl\nb\n")
set(twice "x;y\n<!-- windows -->\n![w](w.png)\n<!-- /windows -->\nm\n<!-- windows -->\nv\n<!-- /windows -->\n")
expect("two parts and a semicolon" "${twice}" windows "x;y\n![w](w.png)\nm\nv\n")
expect("two parts and a semicolon" "${twice}" linux "x;y\nm\n")

foreach(broken "a\n<!-- linux -->\nl\n" "a\n<!-- /windows -->\n"
               "<!-- linux -->\nl\n<!-- linux -->\nm\n<!-- /linux -->\n")
    file(WRITE ${WORK}/broken.md "${broken}")
    execute_process(COMMAND ${CMAKE_COMMAND} -DINPUT=${WORK}/broken.md -DOUTPUT=${WORK}/out.md
                            -DPLATFORM=windows -P ${SOURCE}/cmake/platformparts.cmake
                    RESULT_VARIABLE failed OUTPUT_QUIET ERROR_QUIET)
    if(NOT failed)
        message(SEND_ERROR "a page with a broken marker was let through:\n${broken}")
    endif()
endforeach()

# Each platform's page shows its own pictures and names only the runner it installs.
file(READ ${SOURCE}/docs/help.md page)
foreach(platform windows linux)
    sequate_platform_parts("${page}" ${platform} ${platform})
endforeach()
foreach(check "windows](windows-main-window.png)" "windows`sequate-pass-com "
              "windows](windows-simulator.png)" "linux](main-window.png)"
              "linux`sequate-pass STATE.json" "!windows](main-window.png)"
              "!windows`sequate-pass STATE" "!linux](windows-" "!linux`sequate-pass-com"
              "!linux`sequate-gensample" "!windows<!--")
    string(REGEX MATCH "^(!?)(windows|linux)(.*)$" parsed "${check}")
    string(FIND "${${CMAKE_MATCH_2}}" "${CMAKE_MATCH_3}" at)
    if((CMAKE_MATCH_1 STREQUAL "" AND at EQUAL -1) OR (CMAKE_MATCH_1 STREQUAL "!" AND at GREATER -1))
        message(SEND_ERROR "the ${CMAKE_MATCH_2} help page: ${check}")
    endif()
endforeach()
