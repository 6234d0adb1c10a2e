# build-windows/bramkowiec-windows.zip: the exe with everything it reads, in one folder that
# plays wherever it is unzipped.
set(paczka_dir ${CMAKE_BINARY_DIR}/paczka/bramkowiec)
set(paczka_zip ${CMAKE_BINARY_DIR}/bramkowiec-windows.zip)
set(paczka_dane druzyny-1995.txt gracze.txt rynek.txt stadion.txt sponsorzy.txt)
list(TRANSFORM paczka_dane PREPEND ${CMAKE_SOURCE_DIR}/data/ OUTPUT_VARIABLE paczka_zrodla)
# Notepad on older Windows shows a file with bare LF line ends as one line.
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/README.txt ${CMAKE_BINARY_DIR}/README.txt
               NEWLINE_STYLE CRLF)
# cmd.exe reads a batch file with bare LF line ends wrongly at labels and long lines.
configure_file(${CMAKE_SOURCE_DIR}/packaging/windows/bramkowiec-czytnik.cmd
               ${CMAKE_BINARY_DIR}/bramkowiec-czytnik.cmd NEWLINE_STYLE CRLF)

add_custom_command(
    OUTPUT ${paczka_zip}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/paczka
    COMMAND ${CMAKE_COMMAND} -E make_directory ${paczka_dir}/save
    COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:bramkowiec> ${paczka_zrodla}
            ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_BINARY_DIR}/bramkowiec-czytnik.cmd ${paczka_dir}
    # The files carry the game version's date, not the build's.
    COMMAND ${CMAKE_COMMAND} -E chdir ${CMAKE_BINARY_DIR}/paczka ${CMAKE_COMMAND} -E tar cf
            ${paczka_zip} --format=zip --mtime=2021-09-26 bramkowiec
    DEPENDS bramkowiec ${paczka_zrodla} ${CMAKE_BINARY_DIR}/README.txt
            ${CMAKE_BINARY_DIR}/bramkowiec-czytnik.cmd
    COMMENT "Packing bramkowiec-windows.zip"
    VERBATIM)
add_custom_target(paczka_windows ALL DEPENDS ${paczka_zip})
