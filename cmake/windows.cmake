# What a Windows build needs that Debian's packages give the Linux one: GoogleTest built from
# Debian's sources (for the tests alone), and test cases run one program at a time, since every
# program started under Wine costs a good part of a second.
if(BUILD_TESTING)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
    set(SEQUATE_GOOGLETEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest's sources")
    if(EXISTS ${SEQUATE_GOOGLETEST_SOURCE}/CMakeLists.txt)
        add_subdirectory(${SEQUATE_GOOGLETEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest
                         EXCLUDE_FROM_ALL)
    else()
        find_package(GTest REQUIRED)
    endif()
    foreach(library gtest gtest_main gmock gmock_main)
        if(NOT TARGET GTest::${library})
            add_library(GTest::${library} ALIAS ${library})
        endif()
    endforeach()
endif()

# Built on Linux, the tests run under Wine, in a Wine prefix of the build folder's own: the
# user's ~/.wine is never touched, and the prefix's registry holds only what the tests put there.
if(CMAKE_HOST_UNIX AND NOT CMAKE_CROSSCOMPILING_EMULATOR)
    find_program(SEQUATE_WINE wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
    find_program(SEQUATE_WINE wine64)
    if(SEQUATE_WINE)
        set(SEQUATE_WINE_PREFIX ${CMAKE_BINARY_DIR}/wineprefix)
        configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
                       FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ
                                        GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
        set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
    endif()
endif()

function(gtest_discover_tests target)
    cmake_parse_arguments(PARSE_ARGV 1 discover "NO_PRETTY_VALUES" "TEST_PREFIX" "PROPERTIES")
    add_test(NAME windows.${target} COMMAND ${target})
    if(discover_PROPERTIES)
        set_tests_properties(windows.${target} PROPERTIES ${discover_PROPERTIES})
    endif()
endfunction()

# GCC 12 warns of overlapping copies inside std::string that cannot happen (its bug 105329); the
# Linux build still reports every real case.
add_compile_options(-Wno-restrict)

# Windows 7 and later: the calls a program may make for the current user alone.
add_compile_definitions(_WIN32_WINNT=0x0601 WINVER=0x0601)
