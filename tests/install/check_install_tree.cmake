# Installs the build into a fresh DESTDIR with prefix /usr and checks the tree as a user and
# the desktop would see it. Arguments: BUILD_DIR, WORK.
include(${CMAKE_CURRENT_LIST_DIR}/install_checks.cmake)

set(root ${WORK}/root)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
run_ok("cmake --install" ${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)
expect_installed_files(${root})
expect_installed_cli_renders(${root} ${WORK})

set(share ${root}/usr/share)
set(desktop ${share}/applications/${TRAXEN_APP_ID}.desktop)
set(metainfo ${share}/metainfo/${TRAXEN_APP_ID}.metainfo.xml)

# The validators of the desktop specifications.
foreach(tool desktop-file-validate appstreamcli update-mime-database)
  find_program(${tool}_exe ${tool})
  if(NOT ${tool}_exe)
    message(FATAL_ERROR "${tool} is not installed (scripts/common.sh installs it)")
  endif()
endforeach()
run_ok("desktop-file-validate" ${desktop-file-validate_exe} ${desktop})
run_ok("appstreamcli validate" ${appstreamcli_exe} validate --no-net --explain ${metainfo})

# The manual pages, with mandoc's linter or else man's own warnings.
find_program(mandoc_exe mandoc)
find_program(man_exe man)
foreach(page traxen traxen-cli)
  set(file ${share}/man/man1/${page}.1.gz)
  if(mandoc_exe)
    run_ok("mandoc -T lint ${page}.1" ${mandoc_exe} -T lint -W warning ${file})
  elseif(man_exe)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C.UTF-8 MANWIDTH=80 ${man_exe} --warnings -l ${file}
                    RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE warnings)
    if(NOT rc EQUAL 0 OR warnings)
      message(FATAL_ERROR "man --warnings ${page}.1 (${rc}):\n${warnings}")
    endif()
  endif()
endforeach()

# The file type: the shared MIME database built from the installed package maps *.trx to it.
run_ok("update-mime-database" ${update-mime-database_exe} ${share}/mime)
file(STRINGS ${share}/mime/globs2 globs REGEX "application/x-traxen-project")
if(NOT globs MATCHES ":application/x-traxen-project:\\*\\.trx")
  message(FATAL_ERROR "the MIME database built from traxen.xml does not map *.trx: '${globs}'")
endif()

# The files name each other: the menu entry opens project files with the installed program
# and the installed icon, and the metainfo launches that menu entry.
file(READ ${desktop} desktop_text)
foreach(line "Exec=traxen %f" "MimeType=application/x-traxen-project;" "Icon=${TRAXEN_APP_ID}")
  string(FIND "${desktop_text}" "\n${line}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${desktop} has no line '${line}'")
  endif()
endforeach()
file(READ ${metainfo} metainfo_text)
foreach(part "<launchable type=\"desktop-id\">${TRAXEN_APP_ID}.desktop</launchable>"
             "<release version=\"${VERSION}\"" "<mediatype>application/x-traxen-project</mediatype>")
  string(FIND "${metainfo_text}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${metainfo} has no '${part}'")
  endif()
endforeach()

# Each PNG icon is as large as the folder it lies in says.
file(GLOB pngs ${share}/icons/hicolor/*x*/apps/${TRAXEN_APP_ID}.png)
list(LENGTH pngs png_count)
if(png_count LESS 4)
  message(FATAL_ERROR "only ${png_count} PNG icon sizes are installed")
endif()
foreach(png IN LISTS pngs)
  string(REGEX MATCH "/([0-9]+)x([0-9]+)/apps/" _ ${png})
  file(READ ${png} header LIMIT 24 HEX)
  string(SUBSTRING "${header}" 32 8 width_hex)
  string(SUBSTRING "${header}" 40 8 height_hex)
  math(EXPR width "0x${width_hex}")
  math(EXPR height "0x${height_hex}")
  if(NOT width EQUAL CMAKE_MATCH_1 OR NOT height EQUAL CMAKE_MATCH_2)
    message(FATAL_ERROR "${png} is ${width}x${height}")
  endif()
endforeach()
