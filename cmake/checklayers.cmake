cmake_minimum_required(VERSION 3.25)
# Fails when a product folder includes a folder its layer may not see. The build already refuses
# what a compiled file includes (each library sees only its own folder and what it links), but a
# header that only the layers above include would slip through it: this reads every header too.
#   cmake -DSOURCE=<source folder> -P cmake/checklayers.cmake
# Each entry: a folder (or one file's name without its extension, for a file whose library links
# more than its folder's), then the folders its "folder/file.h" includes may name. Same-folder
# includes and "sequate/version.h", which every target sees, are always allowed. The tools, the
# tests and the benchmarks are left to the build.
set(layers
    "host: host"
    # The call trace is opened as the ECO file is, by the durable files.
    "host/calltrace: host files"
    "host/sim: host host/sim"
    "host/dbus: host host/dbus"
    "host/com: host host/com"
    "files: files"
    "engine: engine host files"
    "eco: eco host files"
    "eco/ecostep: eco engine host files"
    "ui: ui engine eco host files"
    "desktop: desktop"
    "widgets: widgets"
    "about: about widgets ui"
    "app: app about widgets desktop ui eco engine host host/dbus files"
    "win: win ui eco engine host host/com files"
    # The launcher that starts the COM simulator and points Sequate at it.
    "win/withsimulator: win host tools/comsim")

set(broken "")
foreach(entry ${layers})
    string(REGEX MATCH "^([^:]+): (.*)$" _ "${entry}")
    set(place ${CMAKE_MATCH_1})
    string(REPLACE " " ";" allowed "${CMAKE_MATCH_2}")
    list(APPEND allowed sequate)
    if(IS_DIRECTORY ${SOURCE}/${place})
        file(GLOB files ${SOURCE}/${place}/*.h ${SOURCE}/${place}/*.cpp)
        # A file with an entry of its own is read there.
        foreach(other ${layers})
            string(REGEX MATCH "^${place}/([^/:]+):" _ "${other}")
            if(CMAKE_MATCH_1 AND NOT IS_DIRECTORY ${SOURCE}/${place}/${CMAKE_MATCH_1})
                list(FILTER files EXCLUDE REGEX "/${CMAKE_MATCH_1}\\.(h|cpp)$")
            endif()
        endforeach()
    else()
        file(GLOB files ${SOURCE}/${place}.h ${SOURCE}/${place}.cpp)
    endif()
    foreach(file ${files})
        file(STRINGS ${file} includes REGEX "^#include \"[^\"]+/[^\"/]+\"")
        foreach(line ${includes})
            string(REGEX MATCH "\"(.+)/[^/]+\"" _ "${line}")
            if(NOT CMAKE_MATCH_1 IN_LIST allowed)
                file(RELATIVE_PATH name ${SOURCE} ${file})
                string(APPEND broken "  ${name}: ${line}\n")
            endif()
        endforeach()
    endforeach()
endforeach()
if(broken)
    message(FATAL_ERROR "Includes of a layer above or beside:\n${broken}")
endif()
