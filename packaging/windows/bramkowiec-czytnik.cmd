@echo off
rem Bramkowiec in plain lines of text for a screen reader: no colours, no redrawn screen.
rem F2 repeats the whole screen. The game reads and saves in this folder.
setlocal
set BRAMKOWIEC_CZYTNIK=1
cd /d "%~dp0"
bramkowiec.exe
exit /b %errorlevel%
