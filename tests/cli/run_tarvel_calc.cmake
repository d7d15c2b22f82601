# Runs tarvel-calc as its callers do and checks its output and exit codes.
# Usage: cmake -DTARVEL_CALC=/path/to/tarvel-calc -DTARVEL_CALC_PRINT=/path/to/tarvel-calc-print
#          -P run_tarvel_calc.cmake
cmake_minimum_required(VERSION 3.25)

include(${CMAKE_CURRENT_LIST_DIR}/check_run.cmake)
set(message "Si è verificato un errore; dati incongruenti o formato non valido riprova!!.\n")

# The window after a run that failed: every field blank but the running
# total, which stands as far as the run got.
function(failed_window var importobis text1)
  set(lines "importo:  \n")
  foreach(i RANGE 11)
    string(APPEND lines "txtAnno(${i}): \n")
  endforeach()
  string(APPEND lines "importobis: ${importobis}\nText1: ${text1}\n"
    "SeeInteressi:  \nLabel6:  \nLabel8: Anni ?\nLabel23: Giorni ?\n")
  set(${var} "${lines}" PARENT_SCOPE)
endfunction()

set(success [=[
importo: 10.000,00
txtAnno(0): 
txtAnno(1): 
txtAnno(2): 
txtAnno(3): 250
txtAnno(4): 350
txtAnno(5): 600
txtAnno(6): 1000,6849
txtAnno(7): 600,8219
txtAnno(8): 100
txtAnno(9): 150
txtAnno(10): 500,6849
txtAnno(11): 100,274
importobis: 13652,4657
Text1: 3652,4657
SeeInteressi: 3.652,47
Label6: 13.652,47
Label8: anni  15
Label23:  giorni  4
]=])
check("success" "10000;01/01/2000;01/01/2015" 0 "${success}" "")
# The field's own form with spaces, eight digits as typed into the field, ISO.
check("every date form" "10000;01012000; 1 / 1 / 2015 " 0 "${success}" "")
check("ISO dates" "10000;2000-01-01;2015-01-01" 0 "${success}" "")

# The end before the start: the running total stands as the run left it.
failed_window(end_before_start 10000 0)
check("end before start, masked dates" "10000;01 / 01 / 2015;01 / 01 / 2000" 1 "${end_before_start}"
      "${message}tarvel-calc: AL: la data \"01 / 01 / 2000\" viene prima di DAL \"01 / 01 / 2015\"\n")

# A capital that is not a number: the run never reached importobis or Text1.
failed_window(capital_failed importobis Text1)
check("capital not a number" "abc;01/01/2000;01/01/2015" 1 "${capital_failed}"
      "${message}tarvel-calc: CAPITALE: importo non valido: \"abc\"\n")

# A date that cannot be read is not read at all: the window as after the
# warning, with the running total as far as the run got.
failed_window(date_failed 10000 Text1)
foreach(date "01/01/20000" "011/1/2000" "1/011/2000" "01/02/2001 junk 99" "31/02/2000" "2001-02-29" "0101")
  check("DAL ${date}" "10000;${date};01/01/2015" 1 "${date_failed}"
        "${message}tarvel-calc: DAL: data non valida: \"${date}\"\n")
  check("AL ${date}" "10000;01/01/1999;${date}" 1 "${date_failed}"
        "${message}tarvel-calc: AL: data non valida: \"${date}\"\n")
endforeach()

# A control byte in an argument reaches the terminal escaped, never raw.
string(ASCII 27 escape)
check("escape in the capital" "1000${escape}c;01/01/2000;01/01/2015" 1 "${capital_failed}"
      "${message}tarvel-calc: CAPITALE: importo non valido: \"1000\\x1bc\"\n")

set(usage "Uso: tarvel-calc CAPITALE DAL AL\n")
check("missing argument" "10000;01/01/2000" 2 "" "^tarvel-calc: manca AL\n${usage}")
check("unknown option" "--anni;10000;01/01/2000;01/01/2015" 2 "" "^tarvel-calc: opzione sconosciuta: \"--anni\"\n${usage}")
check("help" "--help" 0 "^${usage}" "")
check("version" "--version" 0 "tarvel-calc ${VERSION}\n" "")

# Without the printing program beside it a report cannot be printed.
get_filename_component(alone "${CMAKE_CURRENT_BINARY_DIR}/tarvel-calc-alone" ABSOLUTE)
file(REMOVE_RECURSE "${alone}")
file(COPY "${TARVEL_CALC}" DESTINATION "${alone}")
get_filename_component(calc_name "${TARVEL_CALC}" NAME)
set(TARVEL_CALC "${alone}/${calc_name}")
check("printing program missing" "10000;01/01/2000;01/01/2015;--pdf;${alone}/report.pdf" 3 ""
      "tarvel-calc: impossibile stampare: il programma di stampa tarvel-calc-print non è installato\n")

# Installed, it lies in libexec.
file(COPY "${TARVEL_CALC}" DESTINATION "${alone}/bin")
file(COPY "${TARVEL_CALC_PRINT}" DESTINATION "${alone}/libexec/tarvel")
set(TARVEL_CALC "${alone}/bin/${calc_name}")
check("printing program installed" "10000;01/01/2000;01/01/2015;--pdf;${alone}/report.pdf" 0 "${success}" "")
if(NOT EXISTS "${alone}/report.pdf")
  message("FAIL printing program installed: no report.pdf")
  math(EXPR failures "${failures} + 1")
endif()
file(REMOVE_RECURSE "${alone}")

report_failures(tarvel-calc)
