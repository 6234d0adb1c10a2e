# tlumaczenia_sh(<file.po> <variable>): the launcher's messages that the .po file translates,
# as the branches of a shell case on the Polish text, for the launcher's _ function.
function(tlumaczenia_sh po wynik)
    file(READ ${po} tekst)
    # CMake lists split at semicolons: the messages' own stand aside meanwhile.
    string(REPLACE ";" "<srednik>" tekst "${tekst}")
    string(REGEX MATCHALL "#: [^\n]*packaging/bramkowiec\\.sh\\.in[^\n]*\n(#[^\n]*\n)*msgid \"[^\n]*\"\nmsgstr \"[^\n]*\""
           wpisy "${tekst}")
    set(galezie "")
    foreach(wpis IN LISTS wpisy)
        if(wpis MATCHES "#,[^\n]*fuzzy")
            continue()
        endif()
        string(REGEX MATCH "msgid \"([^\n]*)\"\nmsgstr \"([^\n]*)\"" dopasowanie "${wpis}")
        set(polskie "${CMAKE_MATCH_1}")
        set(przeklad "${CMAKE_MATCH_2}")
        if(przeklad STREQUAL "")
            continue()
        endif()
        foreach(napis polskie przeklad)
            string(REPLACE "\\\"" "\"" ${napis} "${${napis}}")
            string(REPLACE "\\\\" "\\" ${napis} "${${napis}}")
            string(REPLACE "'" "'\\''" ${napis} "${${napis}}")
            string(REPLACE "<srednik>" ";" ${napis} "${${napis}}")
        endforeach()
        string(APPEND galezie "                '${polskie}') set -- '${przeklad}' ;;\n")
    endforeach()
    set(${wynik} "${galezie}" PARENT_SCOPE)
endfunction()

# uruchamiacz_sh(<template> <output> <file.po>...): the launcher with a language for each .po
# file, its code the file's stem: @JEZYKI@ becomes the codes, @TLUMACZENIA@ a case branch for
# each code with that file's translations; the template's other @VARIABLES@ are the caller's.
function(uruchamiacz_sh szablon wyjscie)
    set(JEZYKI "")
    set(TLUMACZENIA "")
    foreach(po IN LISTS ARGN)
        get_filename_component(kod ${po} NAME_WLE)
        tlumaczenia_sh(${po} galezie)
        list(APPEND JEZYKI ${kod})
        string(APPEND TLUMACZENIA "        ${kod})\n            case $1 in\n${galezie}"
               "            esac\n            ;;\n")
    endforeach()
    list(JOIN JEZYKI " " JEZYKI)
    string(REGEX REPLACE "\n$" "" TLUMACZENIA "${TLUMACZENIA}")
    configure_file(${szablon} ${wyjscie} @ONLY)
endfunction()
