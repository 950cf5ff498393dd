# qn_jvm_test_environment(VAR)
#
# The environment a test that runs java needs: in a sanitizer build the JVM
# must load the address and undefined-behaviour runtimes before our
# instrumented libraries (it refuses to start otherwise), and the JVM's own
# signal use must pass through them. Empty in other builds.
function(qn_jvm_test_environment var)
  set(env "")
  if(CMAKE_CXX_FLAGS MATCHES "sanitize=address")
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libasan.so
                    OUTPUT_VARIABLE asan OUTPUT_STRIP_TRAILING_WHITESPACE)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=libubsan.so
                    OUTPUT_VARIABLE ubsan OUTPUT_STRIP_TRAILING_WHITESPACE)
    set(env "LD_PRELOAD=${asan}:${ubsan}"
        "ASAN_OPTIONS=handle_segv=0:allow_user_segv_handler=1:detect_leaks=0")
  endif()
  set(${var} "${env}" PARENT_SCOPE)
endfunction()
