# Configures and builds the optimised tree that the package tests and the
# start-up instruction count share, as Debian builds the package: Release, for
# /usr, no tests, no sanitizers, the benchmarks' programs included.
#   cmake -DSOURCE=... -DTREE=... -DGENERATOR=... -DCXX=... -P release_tree.cmake
foreach(var SOURCE TREE GENERATOR CXX)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "release_tree.cmake needs -D${var}=...")
  endif()
endforeach()

string(TIMESTAMP started "%s")
execute_process(
  COMMAND ${CMAKE_COMMAND} -S ${SOURCE} -B ${TREE} -G ${GENERATOR} -DCMAKE_CXX_COMPILER=${CXX}
          -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr -DNUMORA_TESTS=OFF -DNUMORA_BENCH=ON
          -DNUMORA_SANITIZE=OFF -DNUMORA_WERROR=OFF
  OUTPUT_QUIET COMMAND_ERROR_IS_FATAL ANY)
# Two jobs, as the test declares (PROCESSORS 2): ctest runs other tests beside it.
execute_process(COMMAND ${CMAKE_COMMAND} --build ${TREE} --parallel 2 COMMAND_ERROR_IS_FATAL ANY)
string(TIMESTAMP built "%s")
math(EXPR seconds "${built} - ${started}")
message(STATUS "release tree ${TREE} built in ${seconds} s")
