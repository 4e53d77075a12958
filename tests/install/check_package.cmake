# The Debian package: its file list, its control fields, and a traxen-cli unpacked from it
# that renders a job. Arguments: WORK, VERSION, and either DEB (a package to check, as
# scripts/package passes it) or BUILD_DIR (the package is made from that build with cpack).
include(${CMAKE_CURRENT_LIST_DIR}/install_checks.cmake)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
if(NOT DEB)
  run_ok("cpack -G DEB" ${CMAKE_COMMAND} -E chdir ${BUILD_DIR}
         ${CMAKE_CPACK_COMMAND} -G DEB -B ${WORK}/dist --config ${BUILD_DIR}/CPackConfig.cmake)
  file(GLOB DEB ${WORK}/dist/*.deb)
  list(LENGTH DEB deb_count)
  if(NOT deb_count EQUAL 1)
    message(FATAL_ERROR "cpack made ${deb_count} packages in ${WORK}/dist: ${DEB}")
  endif()
endif()

find_program(dpkg_deb dpkg-deb REQUIRED)
function(deb_field name out)
  execute_process(COMMAND ${dpkg_deb} --field ${DEB} ${name} OUTPUT_VARIABLE value RESULT_VARIABLE rc
                  OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "dpkg-deb --field ${DEB} ${name} failed")
  endif()
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

# The control fields: the project's version, and the libraries the binaries need.
deb_field(Package package)
deb_field(Version version)
deb_field(Section section)
deb_field(Maintainer maintainer)
deb_field(Depends depends)
deb_field(Description description)
if(NOT package STREQUAL "traxen" OR NOT version STREQUAL VERSION OR NOT section STREQUAL "science"
   OR maintainer STREQUAL "" OR NOT description MATCHES "EN 1993-1-8")
  message(FATAL_ERROR "control fields of ${DEB}: Package '${package}', Version '${version}' (the project is "
                      "${VERSION}), Section '${section}', Maintainer '${maintainer}', Description '${description}'")
endif()
foreach(dependency libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 fonts-liberation2 libfmt)
  if(NOT depends MATCHES "(^|, )${dependency}")
    message(FATAL_ERROR "Depends of ${DEB} does not name ${dependency}: ${depends}")
  endif()
endforeach()

# The file list, as dpkg-deb --contents shows it, against the files of an installation.
execute_process(COMMAND ${dpkg_deb} --contents ${DEB} OUTPUT_VARIABLE contents RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "dpkg-deb --contents ${DEB} failed")
endif()
foreach(file IN LISTS TRAXEN_INSTALLED_FILES)
  string(FIND "${contents}" " ./${file}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "${DEB} does not hold /${file}:\n${contents}")
  endif()
endforeach()
if(NOT contents MATCHES "root/root[^\n]* \\./usr/bin/traxen-cli\n")
  message(FATAL_ERROR "the files of ${DEB} do not belong to root:\n${contents}")
endif()

# Unpacked into a fresh root, the package's own traxen-cli renders a job.
set(root ${WORK}/root)
run_ok("dpkg-deb -x" ${dpkg_deb} -x ${DEB} ${root})
expect_installed_files(${root})
expect_installed_cli_renders(${root} ${WORK})
message(STATUS "${DEB}: version ${version}, checked")
