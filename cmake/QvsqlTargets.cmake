# Compiler settings shared by every target of the project.

if(QVSQL_SANITIZE)
  add_compile_options(-fsanitize=${QVSQL_SANITIZE} -fno-omit-frame-pointer
                      -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${QVSQL_SANITIZE})
endif()

function(qvsql_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion
                                           -Wno-sign-conversion)
  # GCC 12 reports impossible overlaps inside std::string concatenation at -O2 (its bug
  # 105329); the warning says nothing about our code there.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(${target} PRIVATE -Wno-restrict)
  endif()
  if(QVSQL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# qvsql_library(name SOURCES ...): a static library with the project's warnings,
# included by its path from the repository root.
function(qvsql_library name)
  cmake_parse_arguments(ARG "" "" "SOURCES;DEPS" ${ARGN})
  add_library(${name} STATIC ${ARG_SOURCES})
  target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR})
  target_link_libraries(${name} PUBLIC ${ARG_DEPS})
  qvsql_warnings(${name})
endfunction()

# qvsql_test(name LABEL label SOURCES ... DEPS ...): a GoogleTest binary whose tests
# are registered one by one with ctest under the given label.
function(qvsql_test name)
  cmake_parse_arguments(ARG "" "LABEL" "SOURCES;DEPS" ${ARGN})
  add_executable(${name} ${ARG_SOURCES})
  target_link_libraries(${name} PRIVATE ${ARG_DEPS} GTest::gtest_main GTest::gmock)
  target_include_directories(${name} PRIVATE ${PROJECT_SOURCE_DIR})
  qvsql_warnings(${name})
  gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST PROPERTIES LABELS ${ARG_LABEL})
endfunction()
