# Runs dravolt-boards twice: two boards of the largest field, each line in the
# documented form, then bad arguments, which give the usage line and exit
# status 2.
execute_process(COMMAND "${PROGRAM}" 60 100 1200 2 --seed 7
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 0 OR NOT errors STREQUAL "")
  message(FATAL_ERROR "dravolt-boards failed (${result}): ${errors}")
endif()
string(REGEX MATCHALL "60 100 3050 1 [0-9]+(,[0-9]+)*\n" lines "${output}")
list(LENGTH lines count)
if(NOT count EQUAL 2)
  message(FATAL_ERROR "expected two solved boards, got:\n${output}")
endif()
foreach(line ${lines})
  string(REGEX MATCHALL "[0-9]+" numbers "${line}")
  list(LENGTH numbers fields)
  if(NOT fields EQUAL 1204) # rows, columns, start, solved and 1,200 bombs
    message(FATAL_ERROR "a board without 1,200 bombs: ${line}")
  endif()
endforeach()

execute_process(COMMAND "${PROGRAM}" 60 100
                RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE errors)
if(NOT result EQUAL 2 OR NOT output STREQUAL "" OR NOT errors MATCHES "^usage: dravolt-boards ")
  message(FATAL_ERROR "bad arguments gave status ${result}, output '${output}', errors '${errors}'")
endif()
