# cmake "-DPO=<a.po;b.po...>" -DWYJSCIE=<file.cpp> -P katalog.cmake: each .po file's text as it
# stands, named by its code (the file's stem), for the game to read at run time
# (src/jezyk/katalog.cpp).
set(wpisy "")
foreach(plik IN LISTS PO)
    file(READ ${plik} tekst)
    string(FIND "${tekst}" ")bramkowiec_po\"" kolizja)
    if(NOT kolizja EQUAL -1)
        message(FATAL_ERROR "${plik} contains the raw string's delimiter")
    endif()
    get_filename_component(kod ${plik} NAME_WE)
    string(APPEND wpisy "    {\"${kod}\", R\"bramkowiec_po(${tekst})bramkowiec_po\"},\n")
endforeach()
file(WRITE ${WYJSCIE} "#include \"jezyk/katalog.h\"\n\nnamespace {\nconst plik_po wszystkie[] = {\n${wpisy}};\n}\n\nextern const std::span<const plik_po> pliki_po = wszystkie;\n")
