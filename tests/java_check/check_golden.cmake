# The JDK parser check over every expected .java file of the golden cases
# (logic/*/testdata/<case>/expected/), found when the test runs. A body.java
# is a fragment of a class (statements and declarations), which its runner
# compiles in a frame; it is no compilation unit and is left out here.
#   cmake -DJAVA=... -DCHECK_DIR=... -DROOT=<source dir> -P check_golden.cmake
file(GLOB_RECURSE all "${ROOT}/logic/*.java")
set(files "")
foreach(f IN LISTS all)
  if(f MATCHES "/testdata/[^/]+/expected/[^/]+\\.java$" AND NOT f MATCHES "/expected/body\\.java$")
    list(APPEND files "${f}")
  endif()
endforeach()
if(NOT files)
  message(FATAL_ERROR "no expected .java file under ${ROOT}/logic")
endif()
list(LENGTH files count)
execute_process(COMMAND "${JAVA}" -cp "${CHECK_DIR}" JavaSyntaxCheck ${files} RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "an expected .java file does not parse (status ${status})")
endif()
message(STATUS "${count} expected .java files parse")
