# Every file of this folder but fuzzing.cpp is one fuzz target: it defines
# LLVMFuzzerTestOneInput for one reader. The fuzz test program (test_fuzz,
# from tests/fuzz) links them all, each renamed after its file, and runs them
# over a fixed corpus; with LITHOSCOPE_FUZZ each becomes a libFuzzer program
# fuzz_<file> instead, built by the target `fuzzers`.
file(GLOB FUZZ_TARGET_SOURCES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.cpp)
list(FILTER FUZZ_TARGET_SOURCES EXCLUDE REGEX ".*/fuzzing\\.cpp$")

if(LITHOSCOPE_FUZZ)
  add_library(lithoscope_fuzzing STATIC ${CMAKE_CURRENT_LIST_DIR}/fuzzing.cpp)
  target_include_directories(lithoscope_fuzzing PUBLIC ${CMAKE_CURRENT_LIST_DIR}
                             ${CMAKE_SOURCE_DIR}/tests/support)
  target_link_libraries(lithoscope_fuzzing PUBLIC lithoscope_batch)
  add_custom_target(fuzzers)
  foreach(source ${FUZZ_TARGET_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    add_executable(fuzz_${name} ${source})
    target_link_libraries(fuzz_${name} PRIVATE lithoscope_fuzzing)
    target_link_options(fuzz_${name} PRIVATE -fsanitize=fuzzer)
    add_dependencies(fuzzers fuzz_${name})
  endforeach()
elseif(TARGET test_fuzz)
  target_sources(test_fuzz PRIVATE ${CMAKE_CURRENT_LIST_DIR}/fuzzing.cpp ${FUZZ_TARGET_SOURCES})
  target_include_directories(test_fuzz PRIVATE ${CMAKE_CURRENT_LIST_DIR})
  foreach(source ${FUZZ_TARGET_SOURCES})
    get_filename_component(name ${source} NAME_WE)
    set_source_files_properties(${source} PROPERTIES
      COMPILE_DEFINITIONS LLVMFuzzerTestOneInput=lithoscopeFuzz_${name})
  endforeach()
endif()
