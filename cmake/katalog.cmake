# cmake -DPO=<file.po> -DWYJSCIE=<file.cpp> -P katalog.cmake: the .po file's text as the C++
# array katalog_en, read by the game at run time (src/jezyk/katalog.cpp).
file(READ ${PO} tekst)
string(FIND "${tekst}" ")bramkowiec_po\"" kolizja)
if(NOT kolizja EQUAL -1)
    message(FATAL_ERROR "${PO} contains the raw string's delimiter")
endif()
file(WRITE ${WYJSCIE} "#include \"jezyk/katalog.h\"\n\nextern const char katalog_en[] = R\"bramkowiec_po(${tekst})bramkowiec_po\";\n")
