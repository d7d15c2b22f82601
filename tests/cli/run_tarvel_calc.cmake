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

# The rates in force: "caption: amount" for each row of the table in place of
# the twelve period fields, the other lines as without --tassi.
set(year_2023 "importo: 10.000,00\n")
foreach(caption
    "5% dal 22/04/1942" "10% dal 16/12/1990" "5% dal 01/01/1997" "2,5% dal 01/01/1999" "3,5% dal 01/01/2001"
    "3% dal 01/01/2002" "2,5% dal 01/01/2004" "3% dal 01/01/2008" "1% dal 01/01/2010" "1,5% dal 01/01/2011"
    "2,5% dal 01/01/2012" "1% dal 01/01/2014" "0,5% dal 01/01/2015" "0,2% dal 01/01/2016" "0,1% dal 01/01/2017"
    "0,3% dal 01/01/2018" "0,8% dal 01/01/2019" "0,05% dal 01/01/2020" "0,01% dal 01/01/2021"
    "1,25% dal 01/01/2022" "5% dal 01/01/2023" "2,5% dal 01/01/2024" "2% dal 01/01/2025" "1,6% dal 01/01/2026")
  string(APPEND year_2023 "${caption}: \n")
endforeach()
string(REPLACE "5% dal 01/01/2023: \n" "5% dal 01/01/2023: 498,6301\n" year_2023 "${year_2023}")
string(APPEND year_2023 "importobis: 10498,6301\nText1: 498,6301\nSeeInteressi: 498,63\nLabel6: 10.498,63\n"
  "Label8: anni  0\nLabel23:  giorni  364\n")
check("rates in force" "--tassi;vigenti;10000;01/01/2023;31/12/2023" 0 "${year_2023}" "")
# Past the year of the last decree, a note; after a failed run no amounts.
check("past the last decree" "1000;01/01/2026;01/01/2028;--tassi=vigenti" 0 "^.*\n1,6% dal 01/01/2026: 32\nimportobis: 1032\n"
      "tarvel-calc: nota: i giorni dopo il 31/12/2026 sono calcolati all'ultimo tasso noto (1,6% dal 01/01/2026); se è uscito un decreto più recente, salvare la tabella con \"tarvel-calc --tassi vigenti --elenco-tassi > tassi.csv\", aggiungervi una riga con il nuovo tasso e calcolare con --tassi tassi.csv\n")
check("rates in force, end before start" "--tassi;vigenti;1;01/01/2028;01/01/2026" 1
      "^importo:  \n([^\n]*[0-9]: \n)+importobis: 0\nText1: \nSeeInteressi:  \nLabel6:  \nLabel8: Anni \\?\nLabel23: Giorni \\?\n$"
      "${message}tarvel-calc: AL: la data \"01/01/2026\" viene prima di DAL \"01/01/2028\"\n")

# The program's own table in the file form, and the rates in force saved,
# added to and used again.
string(CONCAT own_table "dal;tasso;atto\n22/04/1942;5;\n16/12/1990;10;\n01/01/1997;5;\n01/01/1999;2,5;\n01/01/2001;3,5;\n"
    "01/01/2002;3;\n01/01/2004;2,5;\n01/01/2008;3;\n01/01/2010;1;\n01/01/2011;1,5;\n01/01/2012;2,5;\n01/01/2014;1;\n")
check("the program's own table" "--elenco-tassi" 0 "${own_table}" "")
set(tassi "${CMAKE_CURRENT_BINARY_DIR}/tassi.csv")
execute_process(COMMAND "${TARVEL_CALC}" --tassi vigenti --elenco-tassi OUTPUT_FILE "${tassi}")
check("the rates in force from their own list" "--tassi;${tassi};10000;01/01/2023;31/12/2023" 0 "${year_2023}" "")
file(APPEND "${tassi}" "01/01/2027;1,8;D.M. 11/12/2026\n")
check("next year's decree added" "--tassi;${tassi};1000;01/01/2027;31/12/2027" 0
      "^.*\n1,6% dal 01/01/2026: \n1,8% dal 01/01/2027: 17,9507\nimportobis: 1017,9507\n" "")
file(APPEND "${tassi}" "01/01/2019;0,8;\n")
check("a table out of order" "--tassi;${tassi};1000;01/01/2020;01/01/2021" 2 ""
      "tarvel-calc: ${tassi}: riga 27: la data 01/01/2019 non viene dopo 01/01/2027\n")
file(REMOVE "${tassi}")

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
# One that is there but may not be run says why, in Italian as the rest.
file(WRITE "${alone}/tarvel-calc-print" "")
check("printing program not executable" "10000;01/01/2000;01/01/2015;--pdf;${alone}/report.pdf" 3 ""
      "tarvel-calc: impossibile stampare: il programma di stampa tarvel-calc-print non si avvia: Permesso negato\n")

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
