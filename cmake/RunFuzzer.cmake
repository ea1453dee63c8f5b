# Runs one libFuzzer target for SECONDS over a copy of its seed corpus.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus)
if(EXISTS ${CORPUS})
  file(COPY ${CORPUS}/ DESTINATION ${WORK}/corpus)
endif()
execute_process(
  COMMAND ${FUZZER} -max_total_time=${SECONDS} -rss_limit_mb=2048 -timeout=10 -print_final_stats=1
          -artifact_prefix=${WORK}/ ${WORK}/corpus
  RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "fuzzer ${FUZZER} failed (${rc}); the crashing input is in ${WORK}")
endif()
