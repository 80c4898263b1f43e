# Common settings for every target of the project.
function(zef_target_options target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic)
  if(ZEF_WARNINGS_AS_ERRORS)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  # GCC 12 reports std::string and std::vector internals as overlapping or
  # overflowing copies once it inlines them (GCC bugs 105329, 105651, 107852);
  # the sanitizer builds check the real accesses at run time.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict -Wno-stringop-overflow -Wno-array-bounds)
  endif()
  if(ZEF_SANITIZE)
    target_compile_options(${target} PRIVATE -fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    target_link_options(${target} PRIVATE -fsanitize=address,undefined)
  endif()
endfunction()

# zef_library(name SOURCES ... PUBLIC ... PRIVATE ...): one static library per
# source folder, included as "folder/file.h" from the src/ root. PUBLIC lists
# what the folder's headers include, PRIVATE what only its sources do (DEPENDS
# is read as PUBLIC). tests/layers checks both lists against the includes.
function(zef_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS;PUBLIC;PRIVATE" ${ARGN})
  add_library(zef_${name} STATIC ${ARG_SOURCES})
  target_include_directories(zef_${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
  target_link_libraries(zef_${name} PUBLIC ${ARG_DEPENDS} ${ARG_PUBLIC} PRIVATE ${ARG_PRIVATE})
  zef_target_options(zef_${name})
endfunction()

# zef_test(name SOURCES ... DEPENDS ...): one GoogleTest binary per folder.
function(zef_test name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPENDS" ${ARGN})
  if(NOT ARG_SOURCES)
    return()
  endif()
  add_executable(${name}_tests ${ARG_SOURCES})
  target_include_directories(${name}_tests PRIVATE ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name}_tests PRIVATE ZEF_TESTS_DIR="${PROJECT_SOURCE_DIR}/tests")
  target_link_libraries(${name}_tests PRIVATE ${ARG_DEPENDS} GTest::gtest_main)
  zef_target_options(${name}_tests)
  gtest_discover_tests(${name}_tests WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} DISCOVERY_TIMEOUT 60)
endfunction()
