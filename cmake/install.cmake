# Installs Veldor as desktop users expect: the program with its pictures in
# one folder (it reads them from the current directory), a launcher in bin/
# that starts it there, a menu entry and an icon.
include(GNUInstallDirs)

# A fixed name, not the multiarch libdir, so that the folder is easy to find.
set(VELDOR_INSTALL_APPDIR lib/veldor)
file(RELATIVE_PATH VELDOR_BIN_TO_APP
  ${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR} ${CMAKE_INSTALL_PREFIX}/${VELDOR_INSTALL_APPDIR})

set(VELDOR_DESKTOP_DIR ${CMAKE_CURRENT_LIST_DIR}/../data/desktop)
set(VELDOR_STAGE_DIR ${CMAKE_BINARY_DIR}/install)
configure_file(${VELDOR_DESKTOP_DIR}/veldor.in ${VELDOR_STAGE_DIR}/veldor @ONLY)
# veldor-render finds its pictures beside the file the link points to.
file(CREATE_LINK ${VELDOR_BIN_TO_APP}/veldor-render ${VELDOR_STAGE_DIR}/veldor-render SYMBOLIC)
if(TARGET veldor-pack)
  file(CREATE_LINK ${VELDOR_BIN_TO_APP}/veldor-pack ${VELDOR_STAGE_DIR}/veldor-pack SYMBOLIC)
  install(TARGETS veldor-pack RUNTIME DESTINATION ${VELDOR_INSTALL_APPDIR})
  install(PROGRAMS ${VELDOR_STAGE_DIR}/veldor-pack DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(TARGETS veldor-render RUNTIME DESTINATION ${VELDOR_INSTALL_APPDIR})
if(TARGET veldor)
  install(TARGETS veldor RUNTIME DESTINATION ${VELDOR_INSTALL_APPDIR})
endif()
install(DIRECTORY ${VELDOR_APP_DIR}/ DESTINATION ${VELDOR_INSTALL_APPDIR}
  FILES_MATCHING PATTERN "*.bmp" PATTERN "*.vpk" PATTERN "*.vdr" PATTERN "*.png")
install(PROGRAMS ${VELDOR_STAGE_DIR}/veldor ${VELDOR_STAGE_DIR}/veldor-render
  DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VELDOR_APP_DIR}/veldor.png DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/128x128/apps)

# Written at install time, so that the menu entry names the launcher under
# the prefix given to `cmake --install --prefix`.
install(CODE "
  set(VELDOR_LAUNCHER \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}/veldor\")
  configure_file(\"${VELDOR_DESKTOP_DIR}/veldor.desktop.in\" \"${VELDOR_STAGE_DIR}/veldor.desktop\" @ONLY)
  file(INSTALL \"${VELDOR_STAGE_DIR}/veldor.desktop\"
       DESTINATION \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\")
")
