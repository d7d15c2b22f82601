# Fails when a C++ file of the project is not as clang-format writes it with
# the root .clang-format. The files are those git tracks; in a tree without
# git (an unpacked archive), every .h and .cpp below the source folder but the
# build folders.
# Usage: cmake -DSOURCE=DIR -DBINARY=DIR -DCLANG_FORMAT=PROGRAM -P check_format.cmake
cmake_minimum_required(VERSION 3.25)

if(NOT CLANG_FORMAT OR NOT EXISTS "${CLANG_FORMAT}")
  message(FATAL_ERROR "clang-format is not installed (tools/install-deps test installs it)")
endif()

set(files "")
find_program(GIT git)
if(GIT)
  execute_process(COMMAND ${GIT} -C ${SOURCE} ls-files -- "*.h" "*.cpp"
    RESULT_VARIABLE listed OUTPUT_VARIABLE tracked ERROR_QUIET)
  if(listed EQUAL 0)
    string(REPLACE "\n" ";" files "${tracked}")
    list(FILTER files EXCLUDE REGEX "^$")
  endif()
endif()
if(NOT files)
  file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*.h ${SOURCE}/*.cpp)
  # The build folders and worktrees the .gitignore leaves out, and this build.
  list(FILTER files EXCLUDE REGEX "^(build[^/]*|wt-[^/]*|\\.git)/")
  file(RELATIVE_PATH binary ${SOURCE} ${BINARY})
  if(NOT binary MATCHES "^\\.\\.")
    list(FILTER files EXCLUDE REGEX "^${binary}/")
  endif()
endif()
list(LENGTH files count)
if(count EQUAL 0)
  message(FATAL_ERROR "no C++ file found in ${SOURCE}")
endif()

execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${files}
  WORKING_DIRECTORY ${SOURCE} RESULT_VARIABLE result ERROR_VARIABLE diagnostics)
if(NOT result EQUAL 0)
  string(REGEX MATCHALL "[^\n]*: error: code should be clang-formatted[^\n]*" places "${diagnostics}")
  set(unformatted "")
  foreach(place IN LISTS places)
    string(REGEX REPLACE ":[0-9]+:[0-9]+: error:.*" "" file "${place}")
    list(APPEND unformatted ${file})
  endforeach()
  list(REMOVE_DUPLICATES unformatted)
  list(JOIN unformatted "\n  " named)
  message(FATAL_ERROR "${diagnostics}\nNot formatted (fix with clang-format -i FILE...):\n  ${named}")
endif()
message(STATUS "${count} C++ files formatted as .clang-format says")
