# The Windows build checked as a player gets it: the zip played under wine in tmux, and the exe
# needing no DLL beyond the system's.
find_program(TMUX tmux)
if(NOT EXISTS /usr/bin/python3 OR NOT TMUX)
    message(STATUS "e2e: python3 or tmux missing, the Windows game is not played in tests")
else()
    add_test(NAME e2e.windows_console
             COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/windows_w_tmux.py
                     ${CMAKE_BINARY_DIR}/bramkowiec-windows.zip)
    set_tests_properties(e2e.windows_console PROPERTIES TIMEOUT 300)
endif()
add_test(NAME e2e.windows_imports
         COMMAND ${CMAKE_COMMAND} -DOBJDUMP=${CMAKE_OBJDUMP} -DEXE=$<TARGET_FILE:bramkowiec>
                 -P ${CMAKE_CURRENT_SOURCE_DIR}/importy.cmake)
