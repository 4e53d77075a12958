# Fails when a source file includes against the layers. From the bottom up:
#   base/      number formatting, IEEE division, angles, UTF-8, file suffixes: base/ only
#   sections/  the section library: base/ and sections/
#   model/     the Job record, the document, project files: base/, sections/, model/
#   report/    canvas, pages, line writer, catalogues of shared words: base/, model/, report/
#   joints/    each family: base/, model/, report/ and its own folder; the reinforced K/N
#              joint builds on the plain one, never the other way round; the brace welds
#              (joints/welds) serve every family and depend on none
#   families/  the registry of joint families and what turns a whole job into a report
#              (the dispatcher, the laid-out report, the text output, the truss document):
#              every layer below and every family
#   ui/qt/     the QPainter backend (screen, printer, PDF, PNG) that the desktop program and
#              the command line share: base/, sections/, model/, report/, families/, ui/qt/
#   ui/        the desktop program: every layer below, every family and ui/, never cli/
#   cli/       traxen-cli, which links no Qt: every layer below and every family, but neither
#              ui/qt/ nor any Qt header, nor the desktop program's ui/
#   cli/render/  the program `traxen-cli render` hands its drawing to: what cli/ may, ui/qt/,
#              cli/ and cli/render/
# A family's computing files (all but its *_lines, *_report and *_schematic* files) include
# no drawing header. The render program and the QPainter backend use Qt Core and Qt Gui only,
# never Qt Widgets: checked against the Qt headers' folders QT_CORE_DIR and QT_GUI_DIR, which
# a build without Qt does not give (it builds neither).
set(allowed_base "base")
set(allowed_sections "base;sections")
set(allowed_model "base;sections;model")
set(allowed_report "base;model;report")
set(allowed_tyx "base;model;report;joints/tyx")
set(allowed_kn "base;model;report;joints/kn")
set(allowed_kn_reinforced "base;model;report;joints/kn;joints/kn_reinforced")
set(allowed_welds "base;model;report;joints/welds")
file(GLOB family_dirs LIST_DIRECTORIES true RELATIVE ${ROOT} ${ROOT}/joints/*)
set(allowed_families "base;sections;model;report;families;${family_dirs}")
set(allowed_ui_qt "base;sections;model;report;families;ui/qt")
set(allowed_ui "base;sections;model;report;families;${family_dirs};ui/qt;ui")
set(allowed_cli "base;sections;model;report;families;${family_dirs};cli")
set(allowed_cli_render "base;sections;model;report;families;${family_dirs};ui/qt;cli;cli/render")
set(drawing_headers "report/surface.h;report/report_canvas.h;report/recording_surface.h;report/drawing_primitives.h;report/arc_polyline.h;report/pages.h")

# The folder a source file or a quoted header belongs to: "joints/kn", "ui/qt", "cli/render", "ui", "model".
function(layer_of path out)
  string(REGEX MATCH "^(joints/[a-z_]+|ui/qt|cli/render|[a-z_]+)/" dir "${path}")
  string(REGEX REPLACE "/$" "" dir "${dir}")
  set(${out} "${dir}" PARENT_SCOPE)
endfunction()

set(failures "")
file(GLOB_RECURSE files ${ROOT}/base/* ${ROOT}/sections/* ${ROOT}/model/* ${ROOT}/report/* ${ROOT}/joints/*
     ${ROOT}/families/*.h ${ROOT}/families/*.cpp ${ROOT}/ui/*.h ${ROOT}/ui/*.cpp ${ROOT}/cli/*.h ${ROOT}/cli/*.cpp)
foreach(f ${files})
  file(RELATIVE_PATH rel ${ROOT} ${f})
  layer_of("${rel}" layer_dir)
  string(REGEX REPLACE "^joints/" "" layer "${layer_dir}")
  string(REPLACE "/" "_" layer "${layer}")
  set(allowed "${allowed_${layer}}")
  # A family with no rule of its own (a new one) may include what every family may: the
  # shared layers and its own folder.
  if(layer_dir MATCHES "^joints/" AND NOT DEFINED allowed_${layer})
    set(allowed "base;model;report;${layer_dir}")
  endif()
  get_filename_component(name ${f} NAME)
  set(computing FALSE)
  if(layer_dir MATCHES "^joints/" AND NOT name MATCHES "_(lines|report|schematic)")
    set(computing TRUE)
  endif()
  file(STRINGS ${f} includes REGEX "^[ \t]*#[ \t]*include[ \t]*\"[^\"]+\"")
  foreach(line ${includes})
    string(REGEX REPLACE "^[^\"]*\"([^\"]+)\".*$" "\\1" header "${line}")
    if(NOT header MATCHES "/")
      continue()  # a generated header beside the file (version.h)
    endif()
    layer_of("${header}" header_dir)
    list(FIND allowed "${header_dir}" found)
    if(found EQUAL -1)
      string(APPEND failures "\n  ${rel} includes ${header} (${layer_dir}/ may include: ${allowed})")
    endif()
    if(computing)
      list(FIND drawing_headers "${header}" drawing)
      if(NOT drawing EQUAL -1)
        string(APPEND failures "\n  ${rel} computes but includes the drawing header ${header}")
      endif()
    endif()
  endforeach()
  if(layer_dir STREQUAL "cli")
    file(STRINGS ${f} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*<Q[^>]*>")
    foreach(line ${qt_includes})
      string(APPEND failures "\n  ${rel}: ${line} (traxen-cli links no Qt; drawing is cli/render/'s)")
    endforeach()
  endif()
  if((layer_dir STREQUAL "cli/render" OR layer_dir STREQUAL "ui/qt") AND QT_CORE_DIR AND QT_GUI_DIR)
    file(STRINGS ${f} qt_includes REGEX "^[ \t]*#[ \t]*include[ \t]*<Q[^>]*>")
    foreach(line ${qt_includes})
      string(REGEX REPLACE "^[^<]*<([^>]+)>.*$" "\\1" header "${line}")
      # <QtGui/QPainter> names its module; <QPainter> is found in the module's folder.
      string(REGEX REPLACE "^(QtCore|QtGui)/" "" plain "${header}")
      if(NOT EXISTS "${QT_CORE_DIR}/${plain}" AND NOT EXISTS "${QT_GUI_DIR}/${plain}"
         AND NOT header MATCHES "^(QtCore|QtGui)$")
        string(APPEND failures "\n  ${rel} includes <${header}>, which is not Qt Core or Qt Gui (${layer_dir}/ never uses Qt Widgets)")
      endif()
    endforeach()
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "Includes against the layers:${failures}")
endif()
