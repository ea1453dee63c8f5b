# Runs the quillet program itself: imports a sample into a new library,
# exports it, imports the export into another new library and exports that
# again. Both exports (JSON and CSV) must be identical, and both libraries
# must pass verify. Every library written must have exactly the bytes of
# EXPECTED, the sample's library as the native build writes it: the Windows
# build writes the same file.
# The export must hold the sample's HOTKEY_TEXT and, when given, TEXT.
#   cmake -DQUILLET=<program> [-DEMULATOR=wine] -DSAMPLE=<json> -DEXPECTED=<qdk> -DWORK=<dir>
#         -DHOTKEY_TEXT=<text> [-DTEXT=<text>] -P library_roundtrip_test.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

function(quillet)
  execute_process(COMMAND ${EMULATOR} ${QUILLET} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "quillet ${ARGN} failed (${rc}): ${out}${err}")
  endif()
endfunction()

function(expect_library_bytes library)
  file(READ ${library} actual HEX)
  file(READ ${EXPECTED} expected HEX)
  if(NOT actual STREQUAL expected)
    message(FATAL_ERROR "${library} differs from ${EXPECTED}")
  endif()
endfunction()

quillet(import ${WORK}/first.qdk ${SAMPLE})
expect_library_bytes(${WORK}/first.qdk)
foreach(format json csv)
  quillet(export ${WORK}/first.qdk --output ${WORK}/first.${format})
  quillet(import ${WORK}/second-${format}.qdk ${WORK}/first.${format})
  quillet(export ${WORK}/second-${format}.qdk --output ${WORK}/second.${format})
  file(READ ${WORK}/first.${format} a HEX)
  file(READ ${WORK}/second.${format} b HEX)
  if(NOT a STREQUAL b)
    message(FATAL_ERROR "the ${format} exports differ: ${WORK}/first.${format} ${WORK}/second.${format}")
  endif()
  quillet(verify ${WORK}/second-${format}.qdk)
  expect_library_bytes(${WORK}/second-${format}.qdk)
endforeach()
file(READ ${WORK}/first.json exported)
string(FIND "${exported}" "\"hotkey_text\": \"${HOTKEY_TEXT}\"" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the export lost the sample's hotkey ${HOTKEY_TEXT}: ${exported}")
endif()
if(DEFINED TEXT)
  string(FIND "${exported}" "${TEXT}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the export lost the text ${TEXT}: ${exported}")
  endif()
endif()
