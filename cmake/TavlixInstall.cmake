# Installing Tavlix as a desktop program, and packaging it (cpack -G DEB).
#
#   bin/                                   tavlix and its command-line tools
#   share/applications/                    the desktop entry
#   share/icons/hicolor/scalable/apps/     the program's icon (SVG)
#   share/metainfo/                        the AppStream description
#   share/man/man1/                        the manual pages
#   share/tavlix/Tavlixmappe/              the data-folder template
#   share/tavlix/install-data              lays the data folder down from it
include(GNUInstallDirs)

set(TAVLIX_APP_ID dk.tavlix.Tavlix)
set(TAVLIX_DIST ${PROJECT_SOURCE_DIR}/dist/linux)

# Programs and modules are installed stripped (a third smaller), as
# `cmake --install --strip` does, unless the build carries debug information
# on purpose; -DCMAKE_INSTALL_DO_STRIP=0 on the install keeps the symbols.
install(CODE [[
  if(NOT DEFINED CMAKE_INSTALL_DO_STRIP AND NOT CMAKE_INSTALL_CONFIG_NAME MATCHES "^(Debug|RelWithDebInfo)$")
    set(CMAKE_INSTALL_DO_STRIP 1)
  endif()
]])
foreach(t tavlix tavlix-formel tavlix-graf)
  if(TARGET ${t})
    install(TARGETS ${t} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
# Modules the program opens on first use (the web engine page view) live in
# lib/tavlix, where the program looks for them beside its own bin folder.
foreach(t tavlix_webside tavlix_tryk)
  if(TARGET ${t})
    install(TARGETS ${t} LIBRARY DESTINATION ${CMAKE_INSTALL_LIBDIR}/tavlix)
  endif()
endforeach()

install(FILES ${TAVLIX_DIST}/${TAVLIX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAVLIX_DIST}/${TAVLIX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TAVLIX_DIST}/${TAVLIX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# A manual page for each tool that is built.
file(GLOB TAVLIX_MAN_PAGES ${TAVLIX_DIST}/man/*.1)
foreach(m ${TAVLIX_MAN_PAGES})
  get_filename_component(n ${m} NAME_WE)
  if(TARGET ${n})
    install(FILES ${m} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
# The data-folder template, with its empty folders; the placeholders that keep
# the empty folders in git stay behind.
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/Tavlixmappe
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tavlix
        PATTERN ".gitkeep" EXCLUDE)
install(PROGRAMS ${PROJECT_SOURCE_DIR}/scripts/install-data
        DESTINATION ${CMAKE_INSTALL_DATADIR}/tavlix)

# Checks of the installed pieces, run with the other tests.
if(BUILD_TESTING)
  find_program(TAVLIX_DESKTOP_FILE_VALIDATE desktop-file-validate)
  if(TAVLIX_DESKTOP_FILE_VALIDATE)
    add_test(NAME desktopfil_gyldig
             COMMAND ${TAVLIX_DESKTOP_FILE_VALIDATE} ${TAVLIX_DIST}/${TAVLIX_APP_ID}.desktop)
  endif()
  find_program(TAVLIX_APPSTREAMCLI appstreamcli)
  if(TAVLIX_APPSTREAMCLI)
    add_test(NAME metainfo_gyldig
             COMMAND ${TAVLIX_APPSTREAMCLI} validate --no-net --pedantic
                     ${TAVLIX_DIST}/${TAVLIX_APP_ID}.metainfo.xml)
  endif()
  if(TAVLIX_BUILD_UI)
    # Installs into a folder of the build and checks what lies where, and
    # that the installed install-data lays down the data folder from there.
    add_test(NAME installation
             COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/tjek-installation.sh
                     ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${CMAKE_BINARY_DIR}/installationstest)
    set_tests_properties(installation PROPERTIES TIMEOUT 120)
  endif()
endif()

# cpack -G DEB in the build folder makes a Debian package.
set(CPACK_PACKAGE_NAME tavlix)
set(CPACK_PACKAGE_VENDOR "Tavlix")
set(CPACK_PACKAGE_CONTACT "Tavlix <kritik@tavlix.dk>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Videnskabelig lommeregner med dansk brugerflade")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavlix er en lommeregner til skrivebordet med operatorprioritet, parenteser,\
 trigonometriske og hyperbolske funktioner, hukommelse, en liste over beregningerne\
 og et formelsprog. Værktøjet tavlix-formel regner i formelsproget uden skærm.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tavlix.dk/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON) # the Qt libraries the programs link
include(CPack)
