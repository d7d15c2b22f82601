# Runs tarvel-calc under the dynamic loader's trace and fails if any Qt
# library is loaded, for a calculation and for a batch.
# Usage: cmake -DTARVEL_CALC=/path/to/tarvel-calc -DCSV=/path/to/tests/cli/csv -P check_no_qt.cmake
cmake_minimum_required(VERSION 3.25)

set(failures 0)

function(check case args)
  execute_process(COMMAND ${CMAKE_COMMAND} -E env LD_DEBUG=libs "${TARVEL_CALC}" ${args}
    RESULT_VARIABLE code OUTPUT_QUIET ERROR_VARIABLE trace)
  # The trace must show the loader at work, or it proves nothing.
  if(NOT trace MATCHES "libc\\.so")
    message("FAIL ${case}: no loader trace (exit ${code})\n${trace}")
    set(failures 1 PARENT_SCOPE)
  elseif(trace MATCHES "(libQt[^ \n]*)")
    message("FAIL ${case}: loads ${CMAKE_MATCH_1}")
    set(failures 1 PARENT_SCOPE)
  else()
    message("ok   ${case}")
  endif()
endfunction()

check("calculation" "10000;01/01/2000;01/01/2015")
check("failed calculation" "10000;01/01/2015;01/01/2000")
check("batch" "--csv;${CSV}/righe_errate.csv")

# The linker records no Qt either, so none can come in through a dependency.
execute_process(COMMAND readelf -d "${TARVEL_CALC}" OUTPUT_VARIABLE dynamic RESULT_VARIABLE code)
if(NOT code EQUAL 0)
  message("FAIL readelf: exit ${code}")
  set(failures 1)
elseif(dynamic MATCHES "NEEDED[^\n]*Qt")
  message("FAIL needed libraries:\n${dynamic}")
  set(failures 1)
endif()

if(failures)
  message(FATAL_ERROR "tarvel-calc loads Qt")
endif()
