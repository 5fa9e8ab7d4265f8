# Installing Tintwell as a desktop application, and packaging it for Debian.
include(GNUInstallDirs)

set(TINTWELL_APP_ID example.quenlar.tintwell)

install(TARGETS tintwell RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Where the help viewer looks: share/tintwell beside the program's bin.
if(TINTWELL_HELP_FILE)
    install(FILES ${TINTWELL_HELP_FILE} DESTINATION ${CMAKE_INSTALL_DATADIR}/tintwell)
endif()
install(FILES data/${TINTWELL_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES data/${TINTWELL_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# Compressed, as manual pages are installed; -n keeps the archive reproducible.
set(man_page ${CMAKE_BINARY_DIR}/man/tintwell.1.gz)
add_custom_command(
    OUTPUT ${man_page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/tintwell.1 > ${man_page}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/tintwell.1)
add_custom_target(tintwell_man ALL DEPENDS ${man_page})
install(FILES ${man_page} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

# The package's documentation: its copyright and licence, and its changes,
# compressed as Debian installs changelogs (-n: reproducible).
set(changelog ${CMAKE_BINARY_DIR}/doc/changelog.gz)
add_custom_command(
    OUTPUT ${changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/doc/changelog > ${changelog}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/doc/changelog)
add_custom_target(tintwell_changelog ALL DEPENDS ${changelog})
install(FILES data/doc/copyright ${changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tintwell)

# The icon theme's sizes, all from the one pixel-art design: the 16-pixel
# picture for 16 and 48 (in blocks of 3), the 32-pixel one for 32 and its
# multiples, and the same picture as squares for the scalable size.
set(icon_dir ${CMAKE_BINARY_DIR}/icons)
set(icon_files "")
foreach(size 16 32 48 64 128 256 svg)
    if(size STREQUAL "16" OR size STREQUAL "48")
        set(source ${PROJECT_SOURCE_DIR}/src/ui/resources/icon16.xpm)
    else()
        set(source ${PROJECT_SOURCE_DIR}/src/ui/resources/icon.xpm)
    endif()
    if(size STREQUAL "svg")
        set(output ${icon_dir}/scalable/${TINTWELL_APP_ID}.svg)
        set(folder scalable)
    else()
        set(output ${icon_dir}/${size}/${TINTWELL_APP_ID}.png)
        set(folder ${size}x${size})
    endif()
    get_filename_component(output_dir ${output} DIRECTORY)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${output_dir}
        COMMAND iconrender ${source} ${size} ${output}
        DEPENDS iconrender ${source})
    list(APPEND icon_files ${output})
    install(FILES ${output} DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${folder}/apps)
endforeach()
add_custom_target(tintwell_icons ALL DEPENDS ${icon_files})

# The Debian package: its dependencies worked out from the binary.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME tintwell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION}) # all four parts
set(CPACK_PACKAGE_VENDOR "Quenlar Corp")
set(CPACK_PACKAGE_CONTACT "Quenlar Support <support@quenlar.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "small, exact colour utility with a screen eyedropper")
set(CPACK_PACKAGE_DESCRIPTION "Tintwell shows one colour at a time in an always-on-top window and
lets you set it by RGB, by HSL on a 0-239 scale, by one of 140 names, in a
hue/saturation plane, through the colour dialog or by picking any pixel of
the screen. The colour is printed in HTML, C++, Delphi or VB hex notation.")
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://www.quenlar.example/Products/Tintwell/Index.htm")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries the program links: chmlib, which Help loads when first
# asked for, and the font the windows are laid out in (its metrics are the
# layout's; another font clips the labels). Recommended: the desktop's opener
# for links, and the Wayland platform for Wayland sessions.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libchm1, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils, qt6-wayland")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
include(CPack)
