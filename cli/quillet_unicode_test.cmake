# Runs the quillet program itself with names and texts beyond ASCII on its
# command line: a library, a text file, a dictionary and an export in a
# folder whose name is Greek and Japanese (no ANSI code page holds both), and
# reply texts in Windows-1252 and beyond it. On Windows every character must
# arrive as it does on Linux.
#   cmake -DQUILLET=<program> [-DEMULATOR=wine] -DWORK=<dir> -P quillet_unicode_test.cmake
file(REMOVE_RECURSE ${WORK})
set(dir "${WORK}/Ωμέγα 日本")
file(MAKE_DIRECTORY "${dir}")

# expect(<exit code> <exact standard output> <exact standard error> args...)
function(expect code expected expectedErr)
  execute_process(COMMAND ${EMULATOR} ${QUILLET} ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
  string(REPLACE "\r\n" "\n" out "${out}")
  string(REPLACE "\r\n" "\n" err "${err}")
  if(NOT rc EQUAL code OR NOT out STREQUAL expected OR NOT err STREQUAL expectedErr)
    message(FATAL_ERROR "quillet ${ARGN}: exit ${rc} (expected ${code})\noutput:\n${out}\nexpected:\n${expected}\n"
                        "error output:\n${err}\nexpected:\n${expectedErr}")
  endif()
endfunction()

set(lib "${dir}/réplies.qdk")
expect(0 "created ${lib}\n" "" create "${lib}")
if(NOT EXISTS "${lib}")
  message(FATAL_ERROR "the library is not on the disk under its name")
endif()
expect(0 "added reply 0\n" "" add "${lib}" --category "Grüße" --description "Café" --text "naïve café — 5 €")
# The library holds Windows-1252: the response's bytes, then its zero.
file(READ "${lib}" bytes HEX)
string(FIND "${bytes}" "6e61ef766520636166e920972035208000" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the response is not stored as na\\xEFve caf\\xE9 \\x97 5 \\x80: ${bytes}")
endif()
set(text "${dir}/日本語.txt")
file(WRITE "${text}" "teh café\n")
expect(0 "added reply 1\n" "" add "${lib}" --text-file "${text}")
expect(0 "teh café\n" "" show "${lib}" 1 --text)
set(shown "index: 0\nrecord: 1\ncategory: Grüße\ndescription: Café\nhotkey: none\nformatted: no\n")
expect(0 "${shown}response (16 characters):\nnaïve café — 5 €\n" "" show "${lib}" 0)

set(json "${dir}/εξαγωγή.json")
expect(0 "exported 2 replies to ${json}\n" "" export "${lib}" --output "${json}")
file(READ "${json}" exported)
set(expectedJson [=[{
  "replies": [
    {
      "category": "Grüße",
      "description": "Café",
      "response": "naïve café — 5 €",
      "hotkey": 0,
      "hotkey_text": ""
    },
    {
      "category": "",
      "description": "",
      "response": "teh café\n",
      "hotkey": 0,
      "hotkey_text": ""
    }
  ]
}
]=])
if(NOT exported STREQUAL expectedJson)
  message(FATAL_ERROR "the export of ${json} is\n${exported}\nexpected:\n${expectedJson}")
endif()

# Characters Windows-1252 cannot hold are kept exactly.
expect(0 "added reply 2\n" "" add "${lib}" --category "Ωμέγα" --description "日本" --text "Ωμέγα 日本 👍")
expect(0 "Ωμέγα 日本 👍" "" show "${lib}" 2 --text)
set(shown "index: 2\nrecord: 3\ncategory: Ωμέγα\ndescription: 日本\nhotkey: none\nformatted: no\n")
expect(0 "${shown}response (10 characters):\nΩμέγα 日本 👍\n" "" show "${lib}" 2)

# The spelling engine compiles, opens and adds to dictionaries under such
# names, and reads a text under one.
file(WRITE "${dir}/λέξεις.txt" "the\ncat\ncafé\nnaïve\n")
set(main "${dir}/Κύριο.adm")
set(custom "${dir}/Προσωπικό.adu")
expect(0 "${main}: 4 words from 4 lines, 12 nodes, 10 linkage bytes, 4211 bytes\n" "" dict compile "${dir}/λέξεις.txt"
       "${main}")
expect(0 "café\tfound\nnaïve\tfound\n" "" dict lookup "${main}" café naïve)
expect(1 "${text}:1:1: misspelt 'teh': the\n" "" check --dict "${main}" --custom "${custom}" "${text}")
expect(0 "teh\tadded\n" "" dict add "${custom}" teh)
expect(0 "" "" check --dict "${main}" --custom "${custom}" "${text}")
