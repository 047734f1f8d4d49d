# What `cmake --install` puts on a system, and the Debian package made of it
# (`cpack -G DEB` in the build folder).
include(GNUInstallDirs)

if(TARGET kelbra)
  install(TARGETS kelbra RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES app/kelbra.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  foreach(rozmiar 16 22 24 32 48 64 128 256)
    install(FILES app/ikona/kelbra-${rozmiar}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${rozmiar}x${rozmiar}/apps RENAME kelbra.png)
  endforeach()
  install(FILES app/ikona/kelbra.svg DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  # The .asm type, so a file manager offers the program for sources.
  install(FILES app/kelbra-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME kelbra.xml)
endif()
if(TARGET kelbra-batch)
  install(TARGETS kelbra-batch RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()
install(FILES README.md app/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})

# Manual pages, compressed as Debian keeps them.
find_program(KELBRA_GZIP gzip REQUIRED)
foreach(strona kelbra kelbra-batch)
  set(gz ${CMAKE_CURRENT_BINARY_DIR}/man/${strona}.1.gz)
  add_custom_command(OUTPUT ${gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/man
    COMMAND sh -c "${KELBRA_GZIP} -9nc '${CMAKE_CURRENT_SOURCE_DIR}/app/man/${strona}.1' > '${gz}'"
    DEPENDS app/man/${strona}.1 VERBATIM)
  list(APPEND kelbra_strony_man ${gz})
endforeach()
add_custom_target(kelbra_man ALL DEPENDS ${kelbra_strony_man})
install(FILES ${kelbra_strony_man} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
install(DIRECTORY docs/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/docs OPTIONAL)
install(DIRECTORY examples/ DESTINATION ${CMAKE_INSTALL_DOCDIR}/examples)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kelbra)
set(CPACK_PACKAGE_VENDOR "Kelbra 8051")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Edytor, asembler i emulator 8051 z płytką dydaktyczną Kelbra")
set(CPACK_PACKAGE_DESCRIPTION
    "Środowisko do nauki programowania mikrokontrolera 8051 na płytce dydaktycznej Kelbra: edytor, asembler, emulator 8051 działający w czasie rzeczywistym, płytka na ekranie (diody, klawisze, wyświetlacz LCD, klawiatura PC) i debugger. Zawiera też kelbra-batch, który sprawdza programy bez ekranu.")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Kelbra 8051 <kelbra@localhost>")
set(CPACK_DEBIAN_PACKAGE_SECTION electronics)
# The libraries the programs link come from dpkg-shlibdeps. libqt6gui6, one
# of them, also carries the X11 platform and JPEG image plugins that Qt loads
# at run time; the Polish translation of Qt's own dialogs does not show as a
# link and is named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
include(CPack)
