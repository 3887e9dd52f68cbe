# A short run of the campaign reader under libFuzzer, when clang is at hand. The fuzzer is
# built as a project of its own with clang, whatever compiler builds the rest.
find_program(BRINDLEWICK_CLANGXX NAMES clang++ clang++-14)
if(NOT BRINDLEWICK_CLANGXX)
  message(STATUS "clang++ not found: the fuzz run is left out")
  return()
endif()

include(ExternalProject)
set(fuzz_binary_dir ${CMAKE_BINARY_DIR}/fuzz)
ExternalProject_Add(campaign_fuzz
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/fuzz
  BINARY_DIR ${fuzz_binary_dir}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${BRINDLEWICK_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
  CMAKE_GENERATOR Ninja
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${fuzz_binary_dir}/campaign_reader_fuzz
)

set(BRINDLEWICK_FUZZ_SECONDS 30 CACHE STRING "How long the fuzz run under ctest lasts")
add_test(NAME fuzz.campaign_reader
  COMMAND ${CMAKE_SOURCE_DIR}/fuzz/run_fuzz.sh ${fuzz_binary_dir}/campaign_reader_fuzz
          ${CMAKE_SOURCE_DIR}/tests/data ${BRINDLEWICK_FUZZ_SECONDS})
