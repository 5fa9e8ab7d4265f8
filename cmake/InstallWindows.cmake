# Installing Tintwell on Windows: Tintwell.exe and its help file side by
# side, a Start-menu shortcut and an uninstaller (an NSIS installer), or the
# same two files in a portable zip.
install(TARGETS tintwell RUNTIME DESTINATION .)
if(TINTWELL_HELP_FILE)
    install(FILES ${TINTWELL_HELP_FILE} DESTINATION .)
endif()

set(CPACK_GENERATOR NSIS ZIP)
set(CPACK_PACKAGE_NAME Tintwell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Quenlar Corp")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small, exact colour utility with a screen eyedropper")
set(CPACK_PACKAGE_FILE_NAME "Tintwell-${PROJECT_VERSION}-win32")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Quenlar\\\\Tintwell")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Quenlar Tintwell")
# The Start-menu shortcut "Quenlar Tintwell", to the program in the install folder.
set(CPACK_PACKAGE_EXECUTABLES Tintwell "Quenlar Tintwell")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_DISPLAY_NAME "Quenlar Tintwell")
set(CPACK_NSIS_PACKAGE_NAME "Quenlar Tintwell ${PROJECT_VERSION}")
set(CPACK_NSIS_INSTALLED_ICON_NAME Tintwell.exe)
set(CPACK_NSIS_URL_INFO_ABOUT "https://www.quenlar.example/Products/Tintwell/Index.htm")
set(CPACK_NSIS_CONTACT "support@quenlar.example")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
# The licence page shows the project's own licence, not CPack's placeholder.
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
# The program asks for "Tintwell.chm" without a folder; the HTML Help
# control finds such a file through this registry entry wherever the
# program was started from. (Four backslashes: CPack's configuration file
# takes the text through one more round of CMake escapes.)
set(CPACK_NSIS_EXTRA_INSTALL_COMMANDS
    "WriteRegStr HKLM 'SOFTWARE\\\\Microsoft\\\\Windows\\\\HTML Help' 'Tintwell.chm' '$INSTDIR'")
set(CPACK_NSIS_EXTRA_UNINSTALL_COMMANDS
    "DeleteRegValue HKLM 'SOFTWARE\\\\Microsoft\\\\Windows\\\\HTML Help' 'Tintwell.chm'")
# Beside it, "Pick a Colour", which starts picking (in the running window,
# when there is one) and carries the hot key Ctrl+Alt+C, so a colour can be
# picked from anywhere with one key.
set(CPACK_NSIS_CREATE_ICONS_EXTRA
    "CreateShortCut '$SMPROGRAMS\\$STARTMENU_FOLDER\\Pick a Colour.lnk' '$INSTDIR\\Tintwell.exe' '--pick' '$INSTDIR\\Tintwell.exe' 0 SW_SHOWNORMAL 'CONTROL|ALT|C' 'Pick a colour from the screen'")
set(CPACK_NSIS_DELETE_ICONS_EXTRA
    "Delete '$SMPROGRAMS\\$MUI_TEMP\\Pick a Colour.lnk'")
set(CPACK_NSIS_MUI_ICON ${CMAKE_BINARY_DIR}/src/pictures/tintwell.ico)
set(CPACK_NSIS_MUI_UNIICON ${CMAKE_BINARY_DIR}/src/pictures/tintwell.ico)
# The zip unpacks to a folder of the package's name (NSIS takes no such folder).
set(CPACK_PROJECT_CONFIG_FILE ${CMAKE_CURRENT_LIST_DIR}/CPackWindowsOptions.cmake)
# Without the debugging information the build keeps for its own tests.
set(CPACK_STRIP_FILES ON)
include(CPack)
