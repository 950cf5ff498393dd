# Turns the string-table text (IN) into the C++ source of the resource
# library (OUT): one "id text" entry a line; the text is a C string body.
# Usage: cmake -DIN=... -DOUT=... -P make_string_table.cmake
file(READ "${IN}" content)
# Keep ';' and brackets out of CMake's list handling.
string(REPLACE ";" "@SEMI@" content "${content}")
string(REPLACE "[" "@LB@" content "${content}")
string(REPLACE "]" "@RB@" content "${content}")
string(REPLACE "\r" "" content "${content}")
string(REPLACE "\n" ";" lines "${content}")
set(cases "")
set(line_no 0)
foreach(line IN LISTS lines)
  math(EXPR line_no "${line_no} + 1")
  if(line STREQUAL "" OR line MATCHES "^#")
    continue()
  endif()
  if(NOT line MATCHES "^([0-9]+) (.*)$")
    message(FATAL_ERROR "${IN}:${line_no}: expected \"id text\"")
  endif()
  set(id "${CMAKE_MATCH_1}")
  set(text "${CMAKE_MATCH_2}")
  # A double quote that is not escaped would end the C string: escape it.
  string(REPLACE "\\\\" "@BS@" text "${text}")
  string(REPLACE "\\\"" "@QUOTE@" text "${text}")
  string(REPLACE "\"" "\\\"" text "${text}")
  string(REPLACE "@QUOTE@" "\\\"" text "${text}")
  string(REPLACE "@BS@" "\\\\" text "${text}")
  string(REPLACE "@SEMI@" ";" text "${text}")
  string(REPLACE "@LB@" "[" text "${text}")
  string(REPLACE "@RB@" "]" text "${text}")
  string(APPEND cases "    case ${id}u: return \"${text}\";\n")
endforeach()
file(WRITE "${OUT}.tmp"
"// Generated from ${IN}; do not edit.
extern \"C\" __attribute__((visibility(\"default\"))) const char* qn_resource_string(unsigned id) {
  switch (id) {
${cases}    default: return nullptr;
  }
}
")
file(COPY_FILE "${OUT}.tmp" "${OUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUT}.tmp")
