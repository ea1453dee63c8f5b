# Runs the quillet program itself for what only its entry point does: the
# version, help on a command, ispell's probe, a session started the way an
# editor starts its ispell program, and the refusal of an unknown command.
#   cmake -DQUILLET=<program> [-DEMULATOR=wine] -DWORK=<dir> -P quillet_entry_test.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# expect(<exit code> <exact standard output> args...)
function(expect code expected)
  execute_process(COMMAND ${EMULATOR} ${QUILLET} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err
                  INPUT_FILE ${WORK}/input.txt)
  string(REPLACE "\r\n" "\n" out "${out}")
  if(NOT rc EQUAL code OR NOT out STREQUAL expected)
    message(FATAL_ERROR "quillet ${ARGN}: exit ${rc} (expected ${code}), output:\n${out}\nexpected:\n${expected}\n${err}")
  endif()
endfunction()

file(WRITE ${WORK}/input.txt "")
expect(0 "quillet ${VERSION}\n" --version)
set(banner "@(#) International Ispell Version 3.1.20 (but really Tavrin Quillet)\n")
expect(0 "${banner}" -vv)
expect(0 "Usage: quillet delete FILE.qdk INDEX\nDeletes a reply. Its slot is reused by the next reply added; 'pack' removes it.\n"
       help delete)
expect(2 "" frobnicate)
expect(2 "" -a -Q)
if(EXISTS ${DICT})
  file(WRITE ${WORK}/input.txt "!\n^teh cat\n%\n^cat\n")
  expect(0 "${banner}& teh 8 1: the, tech, eh, tea, tee, tel, ten, meh\n\n*\n\n" -a -m -B -d en_US -d ${DICT}
         -i utf-8)
  file(WRITE ${WORK}/input.txt "teh cat\nhosue\n")
  expect(0 "teh\nhosue\n" -l -d ${DICT})
endif()
