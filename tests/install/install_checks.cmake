# Checks shared by the install-tree test and the package test (and scripts/package): what an
# installed TRAXEN holds below ROOT (a DESTDIR or an unpacked package, prefix /usr), whether
# its traxen-cli renders a job from a directory far from any section library, and whether it
# checks one without Qt.

set(TRAXEN_APP_ID ee.traxen.Traxen)
set(TRAXEN_INSTALLED_FILES
  usr/bin/traxen
  usr/bin/traxen-cli
  usr/libexec/traxen/traxen-render
  usr/share/traxen/Profiilid/profdeftraxen.txt
  usr/share/traxen/Profiilid/ruuttoru.prf
  usr/share/traxen/kasutusjuhend.html
  usr/share/traxen/manual.html
  usr/share/applications/${TRAXEN_APP_ID}.desktop
  usr/share/mime/packages/traxen.xml
  usr/share/icons/hicolor/scalable/apps/${TRAXEN_APP_ID}.svg
  usr/share/icons/hicolor/scalable/mimetypes/application-x-traxen-project.svg
  usr/share/icons/hicolor/48x48/apps/${TRAXEN_APP_ID}.png
  usr/share/icons/hicolor/256x256/apps/${TRAXEN_APP_ID}.png
  usr/share/metainfo/${TRAXEN_APP_ID}.metainfo.xml
  usr/share/man/man1/traxen.1.gz
  usr/share/man/man1/traxen-cli.1.gz
  usr/share/doc/traxen/README.md
  usr/share/doc/traxen/LICENSE
  usr/share/doc/traxen/copyright
  usr/share/doc/traxen/changelog.gz
  usr/share/doc/traxen/examples/kn_windows.trx)

# Every file a user expects, each named when it is missing.
function(expect_installed_files root)
  set(missing)
  foreach(file IN LISTS TRAXEN_INSTALLED_FILES)
    if(NOT EXISTS "${root}/${file}")
      list(APPEND missing ${file})
    endif()
  endforeach()
  if(missing)
    list(JOIN missing "\n  " missing_text)
    message(FATAL_ERROR "not installed below ${root}:\n  ${missing_text}")
  endif()
endfunction()

# Runs a command and fails with its output unless it exits with 0.
function(run_ok what)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${what} failed (${rc}):\n${out}${err}")
  endif()
endfunction()

# The installed traxen-cli, started from an empty directory with no TRAXEN_LIBRARY and XDG
# directories that hold nothing, renders the installed example project file: it finds the
# section library beside itself.
function(expect_installed_cli_renders root work)
  set(elsewhere ${work}/elsewhere)
  file(REMOVE_RECURSE ${elsewhere})
  file(MAKE_DIRECTORY ${elsewhere})
  set(env ${CMAKE_COMMAND} -E env --unset=TRAXEN_LIBRARY XDG_DATA_HOME=${elsewhere}/no-data-home
          XDG_DATA_DIRS=${elsewhere}/no-data-dirs QT_QPA_PLATFORM=offscreen)
  set(job ${root}/usr/share/doc/traxen/examples/kn_windows.trx)
  foreach(format pdf txt)
    execute_process(COMMAND ${env} ${root}/usr/bin/traxen-cli render ${job} -o report.${format}
                    WORKING_DIRECTORY ${elsewhere} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
    if(NOT rc EQUAL 0 OR NOT EXISTS ${elsewhere}/report.${format})
      message(FATAL_ERROR "the installed traxen-cli did not render ${job} as ${format} (${rc}):\n${out}${err}")
    endif()
  endforeach()
  file(READ ${elsewhere}/report.pdf pdf_start LIMIT 5 HEX)
  if(NOT pdf_start STREQUAL "255044462d")  # %PDF-
    message(FATAL_ERROR "${elsewhere}/report.pdf is not a PDF")
  endif()
  file(READ ${elsewhere}/report.txt text)
  if(NOT text MATCHES "Korras!")
    message(FATAL_ERROR "${elsewhere}/report.txt holds no checked condition:\n${text}")
  endif()
  expect_installed_cli_checks_without_qt(${root} ${work})
endfunction()

# Only drawing needs Qt: the installed traxen-cli checks a job without loading a Qt library,
# also where none can be loaded (a library path whose Qt libraries are broken), while its
# render needs them there.
function(expect_installed_cli_checks_without_qt root work)
  set(cli ${root}/usr/bin/traxen-cli)
  set(job ${root}/usr/share/doc/traxen/examples/kn_windows.trx)
  set(library --library ${root}/usr/share/traxen/Profiilid)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_DEBUG=libs ${cli} check ${job} ${library}
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE loaded)
  if(NOT rc EQUAL 0 OR loaded MATCHES "libQt")
    string(REGEX MATCHALL "[^ \n]*libQt[^ \n]*" qt "${loaded}")
    list(REMOVE_DUPLICATES qt)
    message(FATAL_ERROR "the installed traxen-cli check (${rc}) loaded Qt: ${qt}\n${out}")
  endif()
  set(broken ${work}/broken-qt)
  file(REMOVE_RECURSE ${broken})
  foreach(qt_library Core Gui Widgets PrintSupport DBus)
    file(WRITE ${broken}/libQt6${qt_library}.so.6 "not a library\n")
  endforeach()
  set(env ${CMAKE_COMMAND} -E env LD_LIBRARY_PATH=${broken} QT_QPA_PLATFORM=offscreen)
  execute_process(COMMAND ${env} ${cli} check ${job} ${library} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0 OR NOT out MATCHES "passed")
    message(FATAL_ERROR "the installed traxen-cli check did not run without Qt (${rc}):\n${out}${err}")
  endif()
  execute_process(COMMAND ${env} ${cli} render ${job} ${library} -o ${work}/no-qt.pdf RESULT_VARIABLE rc
                  OUTPUT_QUIET ERROR_QUIET)
  if(rc EQUAL 0)
    message(FATAL_ERROR "traxen-cli render ran with broken Qt libraries: the check above proves nothing")
  endif()
endfunction()
