# Helpers that keep one library per source folder and one test program per test folder.
# Sources are globbed, so adding a unit never means editing a CMakeLists.

# amp_library(<target> <folder relative to src/> [DEPS libs...])
function(amp_library target folder)
  cmake_parse_arguments(A "" "" "DEPS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS
       ${CMAKE_SOURCE_DIR}/src/${folder}/*.cpp ${CMAKE_SOURCE_DIR}/src/${folder}/*.c)
  if(NOT srcs)
    set(srcs ${CMAKE_SOURCE_DIR}/cmake/empty.cpp)
  endif()
  add_library(${target} STATIC ${srcs})
  target_include_directories(${target} PUBLIC ${CMAKE_SOURCE_DIR}/src)
  target_link_libraries(${target} PUBLIC ${A_DEPS})
endfunction()

# amp_tests(<target> <folder relative to tests/> [LABELS labels...] [DEPS libs...] [TIMEOUT s])
# Every test runs in its own process: the game's singletons are never freed. A test may
# run 120 s unless its program asks for longer (whole careers played through the screens).
function(amp_tests target folder)
  cmake_parse_arguments(A "" "TIMEOUT" "DEPS;LABELS" ${ARGN})
  file(GLOB srcs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(NOT srcs)
    return()
  endif()
  add_executable(${target} ${srcs})
  target_link_libraries(${target} PRIVATE ${A_DEPS} amp_testsupport GTest::gtest GTest::gmock GTest::gtest_main)
  if(NOT A_LABELS)
    set(A_LABELS headless)
  endif()
  if(NOT A_TIMEOUT)
    set(A_TIMEOUT 120)
  endif()
  gtest_discover_tests(${target}
    WORKING_DIRECTORY ${CMAKE_BINARY_DIR}
    PROPERTIES LABELS "${A_LABELS}" TIMEOUT ${A_TIMEOUT}
    DISCOVERY_TIMEOUT 60)
endfunction()
