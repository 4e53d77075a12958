# Fails when a file of the core (base, model, sections, report, joints, families) includes a Qt header.
file(GLOB_RECURSE files ${ROOT}/base/* ${ROOT}/model/* ${ROOT}/sections/* ${ROOT}/report/* ${ROOT}/joints/* ${ROOT}/families/*)
foreach(f ${files})
  file(STRINGS ${f} hits REGEX "^[ \t]*#[ \t]*include[ \t]*[<\"](Q[A-Za-z]+|Qt[A-Za-z]*/)")
  if(hits)
    message(FATAL_ERROR "${f} includes Qt: ${hits}")
  endif()
endforeach()
