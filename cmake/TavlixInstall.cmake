# Installing Tavlix as a desktop program, and packaging it (cpack -G DEB).
#
#   bin/                                   tavlix and its command-line tools
#   libexec/tavlix/                        the date helper (datediff)
#   lib/<arch>/tavlix/                     the modules opened at run time
#   share/bash-completion/completions/     completion for the two tools
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
# `cmake --install --strip` does, unless the build is for debugging
# (Debug, RelWithDebInfo); -DCMAKE_INSTALL_DO_STRIP=0 on the install keeps the
# symbols. CPack stages its install under _CPack_Packages: there the files
# stay whole, and CPack itself strips them for the package and moves their
# debug information into the -dbgsym package.
install(CODE [[
  if(NOT DEFINED CMAKE_INSTALL_DO_STRIP
     AND NOT CMAKE_INSTALL_CONFIG_NAME MATCHES "^(Debug|RelWithDebInfo)$"
     AND NOT "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}" MATCHES "/_CPack_Packages/")
    set(CMAKE_INSTALL_DO_STRIP 1)
  endif()
]])
foreach(t tavlix tavlix-formel tavlix-graf)
  if(TARGET ${t})
    install(TARGETS ${t} RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  endif()
endforeach()
# The helper and the modules go where src/core/CMakeLists.txt told the
# program to look (TAVLIX_HJAELPEMAPPE, TAVLIX_MODULMAPPE, relative to bin).
install(TARGETS datediff RUNTIME DESTINATION ${TAVLIX_HJAELPEMAPPE})
foreach(t tavlix_webside tavlix_tryk tavlix_grafmodul)
  if(TARGET ${t})
    install(TARGETS ${t} LIBRARY DESTINATION ${TAVLIX_MODULMAPPE})
  endif()
endforeach()
# Debian wants every shared object to name the C library it runs with; a
# module that calls only Qt would not (lintian: library-not-linked-against-libc).
foreach(t tavlix_webside tavlix_tryk tavlix_grafmodul)
  if(TARGET ${t})
    target_link_options(${t} PRIVATE "LINKER:--no-as-needed,-lc")
  endif()
endforeach()
install(FILES ${TAVLIX_DIST}/completion/tavlix-formel ${TAVLIX_DIST}/completion/tavlix-graf
        DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions)

install(FILES ${TAVLIX_DIST}/${TAVLIX_APP_ID}.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${TAVLIX_DIST}/${TAVLIX_APP_ID}.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${TAVLIX_DIST}/${TAVLIX_APP_ID}.metainfo.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
# A manual page for each tool that is built, compressed as Debian wants them
# (gzip -n: no name or time inside, so the package is reproducible).
find_program(TAVLIX_GZIP gzip)
file(GLOB TAVLIX_MAN_PAGES ${TAVLIX_DIST}/man/*.1)
set(TAVLIX_GZ_FILER)
foreach(m ${TAVLIX_MAN_PAGES})
  get_filename_component(n ${m} NAME_WE)
  if(TARGET ${n})
    if(TAVLIX_GZIP)
      add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/man/${n}.1.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
        COMMAND sh -c "${TAVLIX_GZIP} -9nc '${m}' > '${PROJECT_BINARY_DIR}/man/${n}.1.gz'"
        DEPENDS ${m} VERBATIM)
      list(APPEND TAVLIX_GZ_FILER ${PROJECT_BINARY_DIR}/man/${n}.1.gz)
      install(FILES ${PROJECT_BINARY_DIR}/man/${n}.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    else()
      install(FILES ${m} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
    endif()
  endif()
endforeach()
# What Debian asks of every package: the copyright and a compressed changelog
# (gzip -n: no name or time inside, so the package is reproducible).
set(TAVLIX_DOKMAPPE ${CMAKE_INSTALL_DATADIR}/doc/tavlix)
install(FILES ${TAVLIX_DIST}/copyright DESTINATION ${TAVLIX_DOKMAPPE})
if(TAVLIX_GZIP)
  add_custom_command(OUTPUT ${PROJECT_BINARY_DIR}/changelog.gz
    COMMAND sh -c "${TAVLIX_GZIP} -9nc '${TAVLIX_DIST}/changelog' > '${PROJECT_BINARY_DIR}/changelog.gz'"
    DEPENDS ${TAVLIX_DIST}/changelog VERBATIM)
  list(APPEND TAVLIX_GZ_FILER ${PROJECT_BINARY_DIR}/changelog.gz)
  install(FILES ${PROJECT_BINARY_DIR}/changelog.gz DESTINATION ${TAVLIX_DOKMAPPE})
endif()
add_custom_target(tavlix_komprimeret ALL DEPENDS ${TAVLIX_GZ_FILER})
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
    # Stages an install (DESTDIR) with the configured prefix and uses every
    # feature from there with an empty home (cmake/tjek-installation.sh).
    add_test(NAME installation
             COMMAND bash ${PROJECT_SOURCE_DIR}/cmake/tjek-installation.sh --install
                     ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR})
    set_tests_properties(installation PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)
  endif()
endif()

# cpack -G DEB in the build folder makes a Debian package.
set(CPACK_PACKAGE_NAME tavlix)
set(CPACK_PACKAGE_VENDOR "Tavlix")
set(CPACK_PACKAGE_CONTACT "Tavlix <kritik@tavlix.dk>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Videnskabelig lommeregner med dansk brugerflade")
set(CPACK_PACKAGE_DESCRIPTION
    "Tavlix er en lommeregner til skrivebordet med operatorprioritet,
parenteser, trigonometriske og hyperbolske funktioner, hukommelse, en liste
over beregningerne og et formelsprog. Værktøjet tavlix-formel regner i
formelsproget uden skærm.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://www.tavlix.dk/")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
# Not CPACK_STRIP_FILES: it would strip before the debug information is split
# off. The split strips the main package's files all the same.
set(CPACK_DEBIAN_DEBUGINFO_PACKAGE ON)
set(CPACK_POST_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/ret-dbgsym.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON) # the Qt libraries the programs link
# Qt's own dialogs (files, printer setup, message boxes) in Danish.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
include(CPack)
