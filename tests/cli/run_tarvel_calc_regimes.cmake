# Interest after a claim filed in court (--domanda) and late-payment interest
# (--mora): the worked examples in a batch (their single runs are in
# regime_examples_test.cpp), the refusals, and a table of reference rates
# saved, added to and read back.
# Usage: cmake -DTARVEL_CALC=/path/to/tarvel-calc -DCSV=/path/to/tests/cli/csv -P run_tarvel_calc_regimes.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/check_run.cmake)
set(message "Si è verificato un errore; dati incongruenti o formato non valido riprova!!.\n")
set(work "${CMAKE_CURRENT_BINARY_DIR}/tarvel-calc-regimes")
file(REMOVE_RECURSE "${work}")
file(MAKE_DIRECTORY "${work}")

# Refused: the window's message, the field at fault, the lines of a window
# after its warning.
set(refused "^importo:  \n([^\n]*: \n)+importobis: importobis\nText1: Text1\nSeeInteressi:  \nLabel6:  \nLabel8: Anni \\?\nLabel23: Giorni \\?\n$")
check("a claim before 11/12/2014" "--domanda;10/12/2014;10000;31/03/2023;31/12/2025" 1 "${refused}"
      "${message}tarvel-calc: DOMANDA: la domanda del 10/12/2014 viene prima dell'11/12/2014: il 4° comma dell'art. 1284 c.c. vale per le domande proposte da quel giorno\n")
check("late payment before the reference rates" "--mora;5000;30/12/2012;31/12/2013" 1 "${refused}"
      "${message}tarvel-calc: DAL: il primo giorno al tasso di mora, il 31/12/2012, viene prima del 01/01/2013, il primo giorno della tabella dei tassi di riferimento\n")

# Past the last half-year known, the note says how to add the next one.
check("past the last half-year" "--mora;1000;31/12/2025;31/12/2026" 0 "^.*\nmora 10,15% dal 01/01/2026: 101,5\nimportobis: 1101,5\n"
      "tarvel-calc: nota: i giorni dopo il 30/06/2026 sono calcolati all'ultimo tasso di riferimento noto (2,15% dal 01/01/2026); se è uscito un comunicato più recente, salvare la tabella con \"tarvel-calc --elenco-tassi-mora > tassi-mora.csv\", aggiungervi una riga con il nuovo tasso di riferimento e calcolare con --tassi-mora tassi-mora.csv\n")

# The table saved, a half-year added, the table read back.
set(mora "${work}/tassi-mora.csv")
execute_process(COMMAND "${TARVEL_CALC}" --elenco-tassi-mora OUTPUT_FILE "${mora}" RESULT_VARIABLE code)
file(READ "${mora}" saved)
string(REGEX MATCHALL "\n" line_ends "${saved}")
list(LENGTH line_ends count)
if(NOT code EQUAL 0 OR NOT count EQUAL 28
   OR NOT saved MATCHES "^dal;tasso;atto\n01/01/2013;0,75;G.U. n. 14 del 17/01/2013\n01/07/2013;0,5;Comunicato MEF, 2° semestre 2013\n"
   OR NOT saved MATCHES "\n01/01/2026;2,15;G.U. n. 15 del 20/01/2026\n$")
  message("FAIL the reference rates as a table file: exit ${code}, ${count} lines:\n${saved}")
  math(EXPR failures "${failures} + 1")
else()
  message("ok   the reference rates as a table file")
endif()
check("the saved table read back" "--tassi-mora;${mora};--mora;10000;31/05/2024;28/02/2025" 0
      "^.*\nSeeInteressi: 900,51\n" "")
file(APPEND "${mora}" "01/07/2026;2;Comunicato MEF, 2° semestre 2026\n")
check("a half-year added" "--mora;--tassi-mora=${mora};1000;31/12/2025;31/12/2026" 0
      "^.*\nmora 10,15% dal 01/01/2026: 50,3329\nmora 10% dal 01/07/2026: 50,411\nimportobis: 1100,7439\n" "")
file(APPEND "${mora}" "01/01/2026;3;\n")
check("a half-year out of order" "--mora;--tassi-mora=${mora};1000;31/12/2025;31/12/2026" 2 ""
      "tarvel-calc: ${mora}: riga 30: la data 01/01/2026 non viene dopo 01/07/2026\n")

# A table file that never ends is refused at once.
foreach(option --tassi --tassi-mora)
  execute_process(COMMAND "${TARVEL_CALC}" --domanda 15/05/2024 ${option} /dev/zero 1 01/01/2024 01/01/2025
    TIMEOUT 10 RESULT_VARIABLE code OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT code STREQUAL "2" OR NOT err STREQUAL "tarvel-calc: /dev/zero: riga 1: riga più lunga di 4096 byte\n")
    message("FAIL ${option} /dev/zero: exit ${code}, ${err}")
    math(EXPR failures "${failures} + 1")
  else()
    message("ok   ${option} /dev/zero")
  endif()
endforeach()

# A batch: each row's own claim in a fourth column, --mora and --domanda for
# every row.
file(READ "${CSV}/domanda.expected.csv" domanda)
file(READ "${CSV}/domanda.expected.err" domanda_err)
check("a claim for each row" "--csv;${CSV}/domanda.csv" 1 "${domanda}" "${domanda_err}")
file(WRITE "${work}/mora.csv" "10000;31/05/2024;28/02/2025\n5000;31/12/2012;31/12/2013\n5000;30/12/2012;31/12/2013\n")
check("late payment for every row" "--csv;${work}/mora.csv;--mora" 1
      "^capitale;dal;al;esito;interessi;somma;anni;giorni;mora 8,75% dal 01/01/2013;mora 8,5% dal 01/07/2013;[^\n]*;mora 10,15% dal 01/01/2026\n10000;31/05/2024;28/02/2025;ok;900,51;10900,51;0;273;(;)+102,7397;617,5342;180,2329;;\n5000;31/12/2012;31/12/2013;ok;431,20;5431,20;1;0;216,9521;214,2466;+\n5000;30/12/2012;31/12/2013;errore;+\n$"
      "tarvel-calc: riga 3: DAL: il primo giorno al tasso di mora, il 31/12/2012, viene prima del 01/01/2013, il primo giorno della tabella dei tassi di riferimento\n")
file(WRITE "${work}/domanda.csv" "10000;31/03/2023;31/12/2025\n")
check("one claim for every row" "--csv;--domanda;15/05/2024;${work}/domanda.csv" 0
      "^capitale;dal;al;esito;[^\n]*;mora 10,15% dal 01/01/2026\n10000;31/03/2023;31/12/2025;ok;2312,26;12312,26;2;276;(;)+376,7123;92,4658;(;)+160,9589;617,5342;552,9178;511,6712;\n$" "")
check("a claim refused for every row" "--csv;--domanda;10/12/2014;${work}/domanda.csv" 2 ""
      "tarvel-calc: DOMANDA: la domanda del 10/12/2014 viene prima dell'11/12/2014: il 4° comma dell'art. 1284 c.c. vale per le domande proposte da quel giorno\n")
check("a claim column with --mora" "--csv;--mora;${CSV}/domanda.csv" 2 ""
      "tarvel-calc: la colonna domanda non va con --domanda né con --mora\n")

file(REMOVE_RECURSE "${work}")
report_failures("tarvel-calc --domanda and --mora")
