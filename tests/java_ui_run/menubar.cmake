# The menu bars of logic/program's golden cases run: MenuBarRun makes each
# expected bar on the recording QNMenuBar (menubar/) and judges its tree and
# its dispatch against the case's menu facts. Included by tests/ (or by
# java_ui_run's own CMakeLists.txt).
find_package(Java COMPONENTS Development Runtime)
if(Java_JAVAC_EXECUTABLE AND Java_JAVA_EXECUTABLE)
  add_test(NAME MenuBarsRun
           COMMAND ${CMAKE_COMMAND} -DJAVA=${Java_JAVA_EXECUTABLE} -DJAVAC=${Java_JAVAC_EXECUTABLE}
                   -DSTUB=${CMAKE_BINARY_DIR}/java_runtime_stub -DHERE=${CMAKE_CURRENT_LIST_DIR}
                   -DCASES=${PROJECT_SOURCE_DIR}/logic/program/testdata
                   -DOUT=${CMAKE_BINARY_DIR}/java_ui_run/menubar
                   -P ${CMAKE_CURRENT_LIST_DIR}/menubar_run.cmake)
else()
  add_test(NAME MenuBarsRun COMMAND sh -c
           "echo 'MenuBarsRun: java and javac are missing: install openjdk-17-jdk-headless' >&2; exit 1")
endif()
