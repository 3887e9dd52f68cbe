# Short runs of the fuzz targets under libFuzzer, when clang is at hand. The targets are built
# as a project of their own with clang, whatever compiler builds the rest.
find_program(BRINDLEWICK_CLANGXX NAMES clang++ clang++-14)
if(NOT BRINDLEWICK_CLANGXX)
  message(STATUS "clang++ not found: the fuzz runs are left out")
  return()
endif()

set(fuzz_targets campaign_reader campaign_round_trip safe_file_name cli_arguments)
set(fuzz_binary_dir ${CMAKE_BINARY_DIR}/fuzz)
set(fuzz_binaries)
foreach(target ${fuzz_targets})
  list(APPEND fuzz_binaries ${fuzz_binary_dir}/${target}_fuzz)
endforeach()

include(ExternalProject)
ExternalProject_Add(campaign_fuzz
  SOURCE_DIR ${CMAKE_SOURCE_DIR}/fuzz
  BINARY_DIR ${fuzz_binary_dir}
  CMAKE_ARGS -DCMAKE_CXX_COMPILER=${BRINDLEWICK_CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
  CMAKE_GENERATOR Ninja
  BUILD_ALWAYS ON
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${fuzz_binaries}
)

set(BRINDLEWICK_FUZZ_SECONDS 30 CACHE STRING "How long each fuzz run under ctest lasts")
set(campaign_reader_seeds ${CMAKE_SOURCE_DIR}/tests/data)
set(campaign_round_trip_seeds ${CMAKE_SOURCE_DIR}/tests/data)
set(safe_file_name_seeds ${CMAKE_SOURCE_DIR}/fuzz/name-seeds)
set(cli_arguments_seeds ${CMAKE_SOURCE_DIR}/fuzz/cli-seeds)
foreach(target ${fuzz_targets})
  add_test(NAME fuzz.${target}
    COMMAND ${CMAKE_SOURCE_DIR}/fuzz/run_fuzz.sh ${fuzz_binary_dir}/${target}_fuzz
            ${BRINDLEWICK_FUZZ_SECONDS} ${${target}_seeds})
endforeach()
