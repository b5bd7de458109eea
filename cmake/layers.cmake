# Include folders by layer. A library shows its dependents its own folder and nothing else of the
# source tree: "engine/passrequest.h" is found by what links sequate_engine, and "ui/..." is not,
# so that a layer that includes one above it (or beside it) does not build.
#
# Every folder gets a root of its own in the build folder, <build>/include/<folder>, holding
# <folder> with links to the folder's headers one by one: a folder's subfolders (host/sim,
# host/com...) are libraries of their own and come only with them.
function(sequate_expose_folder target folder)
    string(REPLACE "/" "_" name ${folder})
    set(root ${PROJECT_BINARY_DIR}/include/${name})
    file(MAKE_DIRECTORY ${root}/${folder})
    # A header added later makes the build configure again, and so gets its link.
    file(GLOB headers CONFIGURE_DEPENDS RELATIVE ${PROJECT_SOURCE_DIR}/${folder}
         ${PROJECT_SOURCE_DIR}/${folder}/*.h)
    foreach(header ${headers})
        if(NOT IS_SYMLINK ${root}/${folder}/${header})
            file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder}/${header} ${root}/${folder}/${header}
                 SYMBOLIC)
        endif()
    endforeach()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
