# Installing the viewer on a Linux desktop: the programs, the desktop entry,
# the icon and the file kinds, so a double-click on a ZEF file opens it; and
# a .deb of the same (cpack -G DEB in the build folder).
include(GNUInstallDirs)

install(TARGETS zefview zef RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zefview.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zefview.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
install(FILES ${PROJECT_SOURCE_DIR}/packaging/zefview-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME zefview.xml)

# A direct install (no DESTDIR, no package) tells the desktop at once; a
# package leaves that to the system's triggers.
install(CODE [[
  if(NOT DEFINED ENV{DESTDIR} OR "$ENV{DESTDIR}" STREQUAL "")
    set(share "${CMAKE_INSTALL_PREFIX}/share")
    find_program(ZEF_UPDATE_MIME update-mime-database)
    find_program(ZEF_UPDATE_DESKTOP update-desktop-database)
    if(ZEF_UPDATE_MIME)
      execute_process(COMMAND ${ZEF_UPDATE_MIME} "${share}/mime")
    endif()
    if(ZEF_UPDATE_DESKTOP)
      execute_process(COMMAND ${ZEF_UPDATE_DESKTOP} "${share}/applications")
    endif()
  endif()
]])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zefview)
set(CPACK_PACKAGE_VENDOR "zefview developers")
set(CPACK_PACKAGE_CONTACT "zefview developers <zefview@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Viewer for loudspeaker data in the ZEF format")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
       "zefview reads ZEF text files and ZF1/ZF2 distribution files and shows the\n"
       "loudspeaker's directivity balloon, polar diagrams, color maps, EA graphs\n"
       "and data sheet. zef checks, dumps and compiles the files from scripts.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The graphs are laid out with Arial's metrics, which Liberation Sans has.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "shared-mime-info, desktop-file-utils, xdg-utils")
include(CPack)

if(ZEF_BUILD_TESTS)
  add_subdirectory(tests/install)
endif()
