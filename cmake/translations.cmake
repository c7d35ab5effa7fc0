# The program's texts in other languages: translations/veldor_<lang>.ts,
# compiled by Qt's lrelease into translations/ of the application folder,
# where the program looks for them beside itself (and the package installs
# every .qm there, see install.cmake).
#
# `cmake --build build --target veldor_lupdate` gathers the texts anew from
# the windows' sources into every .ts file (run it after changing a text),
# with the library's names, which the generator writes out first.
set(VELDOR_LANGUAGES
  ar ca zh_CN zh_TW cs da nl fi fr de el he hi hu id
  it ja ko nb pl pt_BR pt_PT ro ru sk es sv tr uk vi)

# Qt's tools live in its own bin folder, not on PATH; qmake knows where.
get_target_property(veldor_qmake Qt6::qmake LOCATION)
execute_process(COMMAND ${veldor_qmake} -query QT_INSTALL_BINS
  OUTPUT_VARIABLE veldor_qt_bin OUTPUT_STRIP_TRAILING_WHITESPACE)
find_program(VELDOR_LRELEASE lrelease HINTS ${veldor_qt_bin} REQUIRED)
find_program(VELDOR_LUPDATE lupdate HINTS ${veldor_qt_bin} REQUIRED)

set(VELDOR_QM_DIR ${VELDOR_APP_DIR}/translations)
set(veldor_ts_files)
set(veldor_qm_files)
foreach(lang ${VELDOR_LANGUAGES})
  set(ts ${CMAKE_SOURCE_DIR}/translations/veldor_${lang}.ts)
  set(qm ${VELDOR_QM_DIR}/veldor_${lang}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELDOR_QM_DIR}
    COMMAND ${VELDOR_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts} VERBATIM)
  list(APPEND veldor_ts_files ${ts})
  list(APPEND veldor_qm_files ${qm})
endforeach()
# Qt's own dialogs (file, print, colour, message boxes, standard buttons)
# take their texts from Debian's qtbase translations, which lack some of our
# languages and some texts of others (Slovak's standard buttons, the file
# dialog's names of folders and drives); translations/qtdialogs_<lang>.ts
# fill those in. Not named veldor_*: every veldor_*.qm counts as one of the
# program's languages. (Re-run cmake after adding one.)
foreach(lang ${VELDOR_LANGUAGES})
  if(NOT EXISTS ${CMAKE_SOURCE_DIR}/translations/qtdialogs_${lang}.ts)
    continue()
  endif()
  set(ts ${CMAKE_SOURCE_DIR}/translations/qtdialogs_${lang}.ts)
  set(qm ${VELDOR_QM_DIR}/qtdialogs_${lang}.qm)
  add_custom_command(OUTPUT ${qm}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELDOR_QM_DIR}
    COMMAND ${VELDOR_LRELEASE} -silent ${ts} -qm ${qm}
    DEPENDS ${ts} VERBATIM)
  list(APPEND veldor_qm_files ${qm})
endforeach()
add_custom_target(veldor_translations ALL DEPENDS ${veldor_qm_files})

# Line numbers are left out: they would change every file at every edit.
# The include folder lets lupdate see the classes' namespace, which is part
# of the context tr() looks a text up in.
add_custom_target(veldor_lupdate
  COMMAND veldor-gen --names ${CMAKE_SOURCE_DIR}/core/ui/librarynames.h
  COMMAND ${VELDOR_LUPDATE} -silent -no-obsolete -locations none -extensions cpp,h -I ${CMAKE_SOURCE_DIR}
          ${CMAKE_SOURCE_DIR}/core/ui ${CMAKE_SOURCE_DIR}/files/ui ${CMAKE_SOURCE_DIR}/editing/ui
          ${CMAKE_SOURCE_DIR}/sources/ui ${CMAKE_SOURCE_DIR}/effects/ui ${CMAKE_SOURCE_DIR}/output/ui
          ${CMAKE_SOURCE_DIR}/program
          -ts ${veldor_ts_files}
  WORKING_DIRECTORY ${CMAKE_SOURCE_DIR} VERBATIM)
