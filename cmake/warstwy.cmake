# How the game's layers are kept apart. Each library gets a directory of links to exactly the
# headers it exports (naglowki) and sees only those of itself and of the libraries it names
# (warstwa ... UZYWA); src/ itself is on no include path, so an include against the layers
# fails to build. The links are made afresh at every configure, so a removed header goes too.

set(NAGLOWKI_DIR ${CMAKE_BINARY_DIR}/naglowki)
file(REMOVE_RECURSE ${NAGLOWKI_DIR})

add_library(gra INTERFACE)

# warstwa(<library> [UZYWA <library>...]): a static game library, part of the umbrella gra.
# warstwa(<view> W <library>): headers of <library> exported on their own, so a layer can be
# allowed those few declarations without the rest of <library>.
function(warstwa cel)
    cmake_parse_arguments(PARSE_ARGV 1 arg "" "W" "UZYWA")
    if(arg_W)
        add_library(${cel} INTERFACE)
        target_link_libraries(${cel} INTERFACE $<LINK_ONLY:${arg_W}>)
        return()
    endif()
    add_library(${cel} STATIC)
    target_link_libraries(${cel} PRIVATE ${arg_UZYWA})
    target_link_libraries(gra INTERFACE ${cel})
endfunction()

# naglowki(<target> <header>...): headers of the calling folder, included as
# "<folder under src>/<header>" by <target> and everything that links it.
function(naglowki cel)
    file(RELATIVE_PATH folder ${CMAKE_SOURCE_DIR}/src ${CMAKE_CURRENT_SOURCE_DIR})
    set(katalog ${NAGLOWKI_DIR}/${cel})
    file(MAKE_DIRECTORY ${katalog}/${folder})
    foreach(plik IN LISTS ARGN)
        file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${plik} ${katalog}/${folder}/${plik}
             SYMBOLIC COPY_ON_ERROR)
    endforeach()
    get_target_property(rodzaj ${cel} TYPE)
    if(rodzaj STREQUAL INTERFACE_LIBRARY)
        target_include_directories(${cel} INTERFACE ${katalog})
    else()
        target_include_directories(${cel} PUBLIC ${katalog})
    endif()
endfunction()
