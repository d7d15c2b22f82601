# Builds the Debian package from a build tree, unpacks it into a folder of its
# own and checks it as a user meets it: what it holds and needs, the calculator
# run from there, the manual pages read from there, the menu entry and metadata.
# Usage: cmake -DCPACK=... -DBUILD_DIR=... -DWORK_DIR=... -DVERSION=... -P check_package.cmake
cmake_minimum_required(VERSION 3.25)

set(failures 0)
macro(fail text)
  message("FAIL ${text}")
  math(EXPR failures "${failures} + 1")
endmacro()

# Runs a command that must succeed; its standard output lands in ${out}.
function(run out)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE code OUTPUT_VARIABLE stdout ERROR_VARIABLE stderr)
  if(NOT code EQUAL 0)
    message(FATAL_ERROR "${ARGN} exited ${code}:\n${stdout}${stderr}")
  endif()
  set(${out} "${stdout}" PARENT_SCOPE)
endfunction()

file(REMOVE_RECURSE "${WORK_DIR}")
file(MAKE_DIRECTORY "${WORK_DIR}")
run(ignored "${CPACK}" -G DEB -B "${WORK_DIR}" --config "${BUILD_DIR}/CPackConfig.cmake")
run(arch dpkg --print-architecture)
string(STRIP "${arch}" arch)
set(deb "${WORK_DIR}/tarvel_${VERSION}_${arch}.deb")
if(NOT EXISTS "${deb}")
  message(FATAL_ERROR "no ${deb}")
endif()
set(root "${WORK_DIR}/root")
run(ignored dpkg-deb -x "${deb}" "${root}")

# The control fields a user and apt rely on; the libraries come from the binaries.
foreach(check
    "Package=^tarvel$"
    "Version=^${VERSION}$"
    "Section=^utils$"
    "Depends=(^|, )fonts-liberation(,|$)"
    "Depends=(^|, )libqt6core6 "
    "Recommends=(^|, )cups-client(,|$)")
  string(REGEX MATCH "^([^=]+)=(.*)$" ignored "${check}")
  set(field "${CMAKE_MATCH_1}")
  set(pattern "${CMAKE_MATCH_2}")
  run(value dpkg-deb -f "${deb}" ${field})
  string(STRIP "${value}" value)
  if(NOT value MATCHES "${pattern}")
    fail("control field ${field} is '${value}', expected to match ${pattern}")
  endif()
endforeach()

# The programs and nothing else in /usr/bin: no test or benchmark slips in.
file(GLOB programs RELATIVE "${root}/usr/bin" "${root}/usr/bin/*")
list(SORT programs)
if(NOT programs STREQUAL "tarvel;tarvel-calc")
  fail("/usr/bin holds '${programs}', expected tarvel and tarvel-calc")
endif()

# The metadata names the menu entry it belongs to; both are in the package.
file(GLOB metainfo "${root}/usr/share/metainfo/*.metainfo.xml")
list(LENGTH metainfo count)
if(NOT count EQUAL 1)
  message(FATAL_ERROR "expected one metainfo file, found '${metainfo}'")
endif()
file(READ "${metainfo}" xml)
string(REGEX MATCH "<launchable type=\"desktop-id\">([^<]+)</launchable>" ignored "${xml}")
set(entry "${root}/usr/share/applications/${CMAKE_MATCH_1}")
if(NOT CMAKE_MATCH_1 OR NOT EXISTS "${entry}")
  fail("the launchable '${CMAKE_MATCH_1}' is not a menu entry of the package")
else()
  file(STRINGS "${entry}" icon REGEX "^Icon=")
  string(REPLACE "Icon=" "" icon "${icon}")
  if(NOT EXISTS "${root}/usr/share/icons/hicolor/scalable/apps/${icon}.svg")
    fail("the menu entry's icon '${icon}' is not in the hicolor theme")
  endif()
  execute_process(COMMAND desktop-file-validate "${entry}"
    RESULT_VARIABLE code OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(NOT code EQUAL 0 OR said)
    fail("desktop-file-validate:\n${said}")
  endif()
endif()
execute_process(COMMAND appstreamcli validate --no-net "${metainfo}"
  RESULT_VARIABLE code OUTPUT_VARIABLE said ERROR_VARIABLE said)
if(NOT code EQUAL 0)
  fail("appstreamcli validate:\n${said}")
endif()

# The calculator from the unpacked folder.
execute_process(COMMAND "${root}/usr/bin/tarvel-calc" 10000 01/01/2000 01/01/2015
  RESULT_VARIABLE code OUTPUT_VARIABLE lines ERROR_VARIABLE said)
if(NOT code EQUAL 0 OR NOT lines MATCHES "\nSeeInteressi: 3\\.652,47\n" OR NOT lines MATCHES "\nLabel6: 13\\.652,47\n")
  fail("tarvel-calc 10000 01/01/2000 01/01/2015 exited ${code}:\n${lines}${said}")
endif()
# The report too: whatever tarvel-calc needs to print came with the package.
set(report "${WORK_DIR}/prospetto.pdf")
execute_process(
  COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
          "${root}/usr/bin/tarvel-calc" 10000 01/01/2000 01/01/2015 --pdf "${report}"
  RESULT_VARIABLE code OUTPUT_QUIET ERROR_VARIABLE said)
if(EXISTS "${report}")
  file(READ "${report}" head LIMIT 5)
endif()
if(NOT code EQUAL 0 OR NOT head MATCHES "^%PDF-")
  fail("tarvel-calc ... --pdf from the package exited ${code}:\n${said}")
endif()
execute_process(COMMAND "${root}/usr/bin/tarvel-calc" --help OUTPUT_VARIABLE usage)
string(REGEX MATCHALL "--[a-z]+" options "${usage}")
list(REMOVE_DUPLICATES options)

# Both manual pages render without a warning, in a plain and a UTF-8 terminal;
# the calculator's page documents every option its --help names; every example
# a page shows, run with the package's programs, prints what the page says.
foreach(page tarvel tarvel-calc)
  set(file "${root}/usr/share/man/man1/${page}.1.gz")
  if(NOT EXISTS "${file}")
    fail("no manual page ${page}.1.gz")
    continue()
  endif()
  foreach(locale C C.UTF-8)
    execute_process(
      COMMAND ${CMAKE_COMMAND} -E env LC_ALL=${locale} MANWIDTH=80 MANPAGER=cat
              man --warnings -l "${file}"
      RESULT_VARIABLE code OUTPUT_VARIABLE text ERROR_VARIABLE warnings)
    if(NOT code EQUAL 0 OR warnings OR NOT text MATCHES "\nNOME\n")
      fail("man -l ${page}.1.gz (${locale}) exited ${code}:\n${warnings}")
    endif()
  endforeach()
  execute_process(COMMAND "${CMAKE_CURRENT_LIST_DIR}/check_examples" "${file}" "${root}/usr/bin"
    RESULT_VARIABLE code OUTPUT_VARIABLE said ERROR_VARIABLE said)
  if(NOT code EQUAL 0)
    fail("the examples of ${page}.1.gz:\n${said}")
  endif()
  if(page STREQUAL "tarvel-calc")
    foreach(option IN LISTS options)
      string(FIND "${text}" "${option}" at)
      if(at EQUAL -1)
        fail("the manual page of tarvel-calc does not mention ${option}")
      endif()
    endforeach()
  endif()
endforeach()

if(failures GREATER 0)
  message(FATAL_ERROR "${failures} package check(s) failed")
endif()
message("ok   ${deb}")
