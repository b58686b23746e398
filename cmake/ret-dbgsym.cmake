# Run by CPack after the packages are built (CPACK_POST_BUILD_SCRIPTS).
# CPack's debug-symbol package lists its files in DEBIAN/md5sums by their
# absolute staging paths, which dpkg cannot verify, and has no copyright file.
# Each .ddeb is unpacked, given relative md5sums and the documentation folder
# of the package it belongs to (a link, as Debian's own -dbgsym packages
# have), and packed again.
foreach(pakke IN LISTS CPACK_PACKAGE_FILES)
  if(NOT pakke MATCHES "\\.ddeb$")
    continue()
  endif()
  set(rod "${pakke}.rod")
  file(REMOVE_RECURSE "${rod}")
  execute_process(COMMAND dpkg-deb -R "${pakke}" "${rod}" COMMAND_ERROR_IS_FATAL ANY)
  file(GLOB_RECURSE filer LIST_DIRECTORIES false RELATIVE "${rod}" "${rod}/usr/*")
  list(SORT filer)
  set(summer "")
  foreach(f IN LISTS filer)
    file(MD5 "${rod}/${f}" sum)
    string(APPEND summer "${sum}  ${f}\n")
    # Debug files are data, not programs.
    file(CHMOD "${rod}/${f}" FILE_PERMISSIONS OWNER_READ OWNER_WRITE GROUP_READ WORLD_READ)
  endforeach()
  file(WRITE "${rod}/DEBIAN/md5sums" "${summer}")
  file(STRINGS "${rod}/DEBIAN/control" navn REGEX "^Package: ")
  string(REGEX REPLACE "^Package: (.*)-dbgsym$" "\\1" hoved "${navn}")
  file(MAKE_DIRECTORY "${rod}/usr/share/doc")
  file(CREATE_LINK "${hoved}" "${rod}/usr/share/doc/${hoved}-dbgsym" SYMBOLIC)
  execute_process(COMMAND dpkg-deb --root-owner-group -Zxz --build "${rod}" "${pakke}"
                  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
  file(REMOVE_RECURSE "${rod}")
endforeach()
