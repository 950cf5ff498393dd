# javap -s of the three classes against the reviewed golden file.
# -D JAVAP=... -D JAR=... -D GOLDEN=... -D ACTUAL=...
execute_process(
  COMMAND ${JAVAP} -s -cp ${JAR} com.quenora.qnoffice.QnWord com.quenora.qnoffice.QnExcel
          com.quenora.qnoffice.QnMail
  OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "javap failed: ${rc}")
endif()
string(REGEX REPLACE "Compiled from \"[^\"]*\"\n" "" out "${out}")
file(WRITE ${ACTUAL} "${out}")
file(READ ${GOLDEN} golden)
if(NOT out STREQUAL golden)
  message(FATAL_ERROR "javap -s differs from ${GOLDEN}; see ${ACTUAL}")
endif()
