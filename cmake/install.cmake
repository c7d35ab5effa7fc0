# Installs Veldor as desktop users expect: the program with its pictures and
# packs in one folder (it reads them from the current directory), a launcher
# in bin/ that starts it in the user's own linked copy of that folder, a menu
# entry, icons, file types, a thumbnailer, AppStream metainfo and manual pages.
include(GNUInstallDirs)

# A fixed name, not the multiarch libdir, so that the folder is easy to find.
set(VELDOR_INSTALL_APPDIR lib/veldor)
file(RELATIVE_PATH VELDOR_BIN_TO_APP
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${VELDOR_INSTALL_APPDIR})

set(VELDOR_MAINTAINER "The Veldor developers <veldor@example.org>" CACHE STRING
  "Maintainer named in the Debian package and its changelog")
set(VELDOR_HOMEPAGE "" CACHE STRING
  "The project's web site, if it has one; the metainfo's screenshot is <homepage>/screenshot.png")
set(VELDOR_DESKTOP_DIR ${CMAKE_CURRENT_LIST_DIR}/../data/desktop)
set(VELDOR_STAGE_DIR ${CMAKE_BINARY_DIR}/install)
# Without a web site the metainfo and the package name none: a made-up
# address would show in a software centre as a dead link.
file(READ ${VELDOR_DESKTOP_DIR}/veldor.metainfo.xml VELDOR_METAINFO)
if(NOT VELDOR_HOMEPAGE)
  string(REGEX REPLACE "[ ]*<url type=\"homepage\">[^<]*</url>\n" "" VELDOR_METAINFO "${VELDOR_METAINFO}")
  string(REGEX REPLACE "[ ]*<screenshots>.*</screenshots>\n" "" VELDOR_METAINFO "${VELDOR_METAINFO}")
endif()
file(WRITE ${CMAKE_BINARY_DIR}/metainfo.xml.in "${VELDOR_METAINFO}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${VELDOR_DESKTOP_DIR}/veldor.metainfo.xml)

configure_file(${VELDOR_DESKTOP_DIR}/veldor.in ${VELDOR_STAGE_DIR}/veldor @ONLY)
configure_file(${CMAKE_BINARY_DIR}/metainfo.xml.in ${VELDOR_STAGE_DIR}/org.example.veldor.metainfo.xml @ONLY)
configure_file(${VELDOR_DESKTOP_DIR}/changelog.in ${VELDOR_STAGE_DIR}/changelog @ONLY)
# veldor-render finds its pictures beside the file the link points to.
file(CREATE_LINK ${VELDOR_BIN_TO_APP}/veldor-render ${VELDOR_STAGE_DIR}/veldor-render SYMBOLIC)
if(TARGET veldor-pack)
  file(CREATE_LINK ${VELDOR_BIN_TO_APP}/veldor-pack ${VELDOR_STAGE_DIR}/veldor-pack SYMBOLIC)
  install(TARGETS veldor-pack RUNTIME DESTINATION ${VELDOR_INSTALL_APPDIR})
  install(PROGRAMS ${VELDOR_STAGE_DIR}/veldor-pack DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

# Debian wants manual pages and the changelog compressed, reproducibly (-n).
file(GLOB VELDOR_MAN_PAGES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/../docs/man/*.1)
set(VELDOR_GZIPPED)
foreach(page ${VELDOR_MAN_PAGES} ${VELDOR_STAGE_DIR}/changelog)
  get_filename_component(name ${page} NAME)
  set(out ${VELDOR_STAGE_DIR}/gz/${name}.gz)
  add_custom_command(OUTPUT ${out}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELDOR_STAGE_DIR}/gz
    COMMAND sh -c "gzip -9nc \"$1\" > \"$2\"" sh ${page} ${out}
    DEPENDS ${page} VERBATIM)
  list(APPEND VELDOR_GZIPPED ${out})
endforeach()
add_custom_target(veldor_gzipped_docs ALL DEPENDS ${VELDOR_GZIPPED})

install(TARGETS veldor-render RUNTIME DESTINATION ${VELDOR_INSTALL_APPDIR})
if(TARGET veldor)
  install(TARGETS veldor RUNTIME DESTINATION ${VELDOR_INSTALL_APPDIR})
endif()
# By pattern, so that every pack put into packs/ is installed with it.
install(DIRECTORY ${VELDOR_APP_DIR}/ DESTINATION ${VELDOR_INSTALL_APPDIR}
  FILES_MATCHING PATTERN "*.bmp" PATTERN "*.vpk" PATTERN "*.vdr" PATTERN "*.png" PATTERN "*.qm")
install(PROGRAMS ${VELDOR_STAGE_DIR}/veldor ${VELDOR_STAGE_DIR}/veldor-render
  DESTINATION ${CMAKE_INSTALL_BINDIR})

install(DIRECTORY ${VELDOR_ICON_DIR}/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
install(FILES ${VELDOR_DESKTOP_DIR}/veldor-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
  RENAME veldor.xml)
install(FILES ${VELDOR_STAGE_DIR}/org.example.veldor.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
foreach(page ${VELDOR_MAN_PAGES})
  get_filename_component(name ${page} NAME)
  install(FILES ${VELDOR_STAGE_DIR}/gz/${name}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endforeach()
install(FILES ${VELDOR_DESKTOP_DIR}/copyright ${VELDOR_STAGE_DIR}/gz/changelog.gz
  DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/veldor)

# Written at install time, so that the menu entry and the thumbnailer name
# the programs under the prefix given to `cmake --install --prefix`.
install(CODE "
  set(VELDOR_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/veldor\")
  set(VELDOR_RENDER \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/veldor-render\")
  configure_file(\"${VELDOR_DESKTOP_DIR}/veldor.desktop.in\" \"${VELDOR_STAGE_DIR}/veldor.desktop\" @ONLY)
  configure_file(\"${VELDOR_DESKTOP_DIR}/veldor.thumbnailer.in\" \"${VELDOR_STAGE_DIR}/veldor.thumbnailer\" @ONLY)
  file(INSTALL \"${VELDOR_STAGE_DIR}/veldor.desktop\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
  file(INSTALL \"${VELDOR_STAGE_DIR}/veldor.thumbnailer\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/thumbnailers\")
")
