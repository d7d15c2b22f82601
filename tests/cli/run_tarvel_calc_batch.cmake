# Runs tarvel-calc --csv on files with good and broken rows and checks what
# it writes and its exit codes.
# Usage: cmake -DTARVEL_CALC=/path/to/tarvel-calc -DCSV=/path/to/tests/cli/csv -P run_tarvel_calc_batch.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/check_run.cmake)

set(work "${CMAKE_CURRENT_BINARY_DIR}/tarvel-calc-batch")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")
file(READ "${CSV}/fatture.expected.csv" fatture)
file(READ "${CSV}/righe_errate.expected.csv" righe_errate)
file(READ "${CSV}/righe_errate.expected.err" righe_errate_err)
file(READ "${CSV}/da_foglio.expected.csv" da_foglio)
file(READ "${CSV}/da_foglio.expected.err" da_foglio_err)
file(READ "${CSV}/fatture.vigenti.expected.csv" fatture_vigenti)
string(REGEX MATCH "^[^\n]*\n" header "${fatture}")

check("BOM, CRLF, header, quotes" "--csv;${CSV}/fatture.csv" 0 "${fatture}" "")
check("standard input" "--csv" 0 "${fatture}" "" INPUT "${CSV}/fatture.csv")
check("standard input as -" "--csv;-" 0 "${fatture}" "" INPUT "${CSV}/fatture.csv")
check("every kind of bad row" "--csv;${CSV}/righe_errate.csv" 1 "${righe_errate}" "${righe_errate_err}")
# Saved by an old spreadsheet (lone CR line ends) or made to harm: formulas
# come back as text, rows with control bytes as broken rows, and the messages
# show no control byte raw.
check("formulas, control bytes, CR line ends" "--csv;${CSV}/da_foglio.csv" 1 "${da_foglio}" "${da_foglio_err}")
file(WRITE "${work}/empty.csv" "")
check("nothing to read" "--csv" 0 "${header}" "" INPUT "${work}/empty.csv")

# A line of a megabyte between two good rows: only that row fails.
string(REPEAT "1234567890" 104858 long)
file(WRITE "${work}/long.csv" "1000;01/01/1990;01/01/1991\n${long};01/01/2000;01/01/2001\n1000;01/01/1990;01/01/1991")
set(good "1000;01/01/1990;01/01/1991;ok;52,33;1052,33;1;0;47,6712;4,6575;;;;;;;;;;\n")
check("a line of a megabyte" "--csv;${work}/long.csv" 1 "${header}${good};;;errore;;;;;;;;;;;;;;;;\n${good}"
      "tarvel-calc: riga 2: riga più lunga di 4096 byte\n")

# The rates in force: a column per row of their table; a row that fails has
# all of them empty; the note on the days past the last decree comes once.
check("rates in force" "--csv;${CSV}/fatture.csv;--tassi;vigenti" 0 "${fatture_vigenti}" "")
string(REGEX MATCH "^[^\n]*\n" header_vigenti "${fatture_vigenti}")
file(WRITE "${work}/oltre.csv" "1000;01/01/2026;01/01/2028\nx;01/01/2026;01/01/2028\n1000;01/01/2027;01/01/2028\n")
set(past ";;;;;;;;;;;;;;;;;;;;;;;;") # giorni to the last row
check("rates in force, past the last decree" "--csv;--tassi=vigenti;${work}/oltre.csv" 1
      "${header_vigenti}1000;01/01/2026;01/01/2028;ok;32,00;1032,00;2;0${past}32\nx;01/01/2026;01/01/2028;errore;;;${past};\n1000;01/01/2027;01/01/2028;ok;16,00;1016,00;1;0${past}16\n"
      "^tarvel-calc: nota: i giorni dopo il 31/12/2026 [^\n]*\ntarvel-calc: riga 2: CAPITALE: importo non valido: \"x\"\n$")

# 50 MB of a line that never ends on standard input, in 100 MB of address
# space: the row is refused as soon as it passes the limit, the rest skipped.
execute_process(COMMAND head -c 50000000 /dev/zero
                COMMAND sh -c "${MEMORY_LIMIT}exec \"$0\" --csv" "${TARVEL_CALC}"
                RESULTS_VARIABLE codes OUTPUT_QUIET ERROR_VARIABLE err)
list(GET codes 1 code)
if(code STREQUAL "1" AND err STREQUAL "tarvel-calc: riga 1: riga più lunga di 4096 byte\n")
  message("ok   an endless line on standard input")
else()
  message("FAIL an endless line on standard input\n  exit code ${code}, stderr:\n${err}")
  math(EXPR failures "${failures} + 1")
endif()

check("missing file" "--csv;${work}/nessuno.csv" 2 ""
      "tarvel-calc: impossibile aprire \"${work}/nessuno.csv\": File o directory non esistente\n")
check("a folder" "--csv;${work}" 2 "" "tarvel-calc: impossibile aprire \"${work}\": È una directory\n")

file(REMOVE_RECURSE "${work}")
report_failures("tarvel-calc --csv")
