# The installed traxen and traxen-cli print the project's version on the first line of
# --version. Arguments: BUILD_DIR, WORK, VERSION.
include(${CMAKE_CURRENT_LIST_DIR}/install_checks.cmake)

set(root ${WORK}/root)
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
run_ok("cmake --install" ${CMAKE_COMMAND} -E env DESTDIR=${root} ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix /usr)

foreach(program traxen traxen-cli)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${root}/usr/bin/${program} --version
                  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err TIMEOUT 20)
  string(FIND "${out}" "\n" line_end)
  string(SUBSTRING "${out}" 0 ${line_end} first_line)
  if(NOT rc EQUAL 0 OR NOT first_line STREQUAL "${program} ${VERSION}")
    message(FATAL_ERROR "${program} --version should print '${program} ${VERSION}' first and exit with 0;"
                        " it exited with ${rc} and printed:\n${out}${err}")
  endif()
  if(NOT out MATCHES "GPL-3.0-or-later")
    message(FATAL_ERROR "${program} --version does not name the licence:\n${out}")
  endif()
endforeach()
