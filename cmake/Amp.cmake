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
  amp_test_pch_reuse(${target} ${A_DEPS})
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

# Parsing GoogleTest and the standard library is most of a test unit's compile time, so
# the test code shares precompiled headers. A precompiled header is only used under the
# compile flags it was built with, and SDL's flags (-pthread, _XOPEN_SOURCE and friends)
# differ from the headless ones: one header is built for each kind, by the test support
# library (headless) and by the GUI harness (SDL), and each test program reuses the one
# whose flags it shares.
set(AMP_TEST_PCH_HEADERS
  <gtest/gtest.h>
  <algorithm> <array> <chrono> <cmath> <cstddef> <cstdint> <cstdio> <cstdlib> <cstring>
  <deque> <filesystem> <fstream> <functional> <limits> <list> <map> <memory> <set>
  <sstream> <string> <unordered_map> <utility> <vector>)

function(amp_test_pch target)
  target_precompile_headers(${target} PRIVATE ${AMP_TEST_PCH_HEADERS})
endfunction()

# True when <target> links the SDL platform layer, directly or through other libraries.
function(amp_links_sdl out)
  set(pending ${ARGN})
  set(seen)
  while(pending)
    list(POP_FRONT pending lib)
    if(lib IN_LIST seen OR NOT TARGET ${lib})
      continue()
    endif()
    list(APPEND seen ${lib})
    if(lib STREQUAL "port_sdl")
      set(${out} TRUE PARENT_SCOPE)
      return()
    endif()
    get_target_property(libs ${lib} INTERFACE_LINK_LIBRARIES)
    if(libs)
      list(APPEND pending ${libs})
    endif()
  endwhile()
  set(${out} FALSE PARENT_SCOPE)
endfunction()

# amp_test_pch_reuse(<target> <libraries it links...>)
function(amp_test_pch_reuse target)
  amp_links_sdl(sdl ${ARGN})
  if(sdl)
    target_precompile_headers(${target} REUSE_FROM amp_guiharness)
  else()
    target_precompile_headers(${target} REUSE_FROM amp_testsupport)
  endif()
endfunction()
