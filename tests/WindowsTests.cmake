# The Windows test programs run under Wine, in a prefix of their own under the build folder
# that a fixture boots once and stops at the end.
set(TALLOWMERE_WINE_PREFIX "${PROJECT_BINARY_DIR}/wine-prefix")
set(CMAKE_CROSSCOMPILING_EMULATOR
    "${PROJECT_SOURCE_DIR}/scripts/wine-run.sh;${TALLOWMERE_WINE_PREFIX}")

add_test(NAME wine_prefix_boot
         COMMAND "${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh" boot "${TALLOWMERE_WINE_PREFIX}")
add_test(NAME wine_prefix_stop
         COMMAND "${PROJECT_SOURCE_DIR}/scripts/wine-prefix.sh" stop "${TALLOWMERE_WINE_PREFIX}")
set_tests_properties(wine_prefix_boot PROPERTIES FIXTURES_SETUP wine_prefix)
set_tests_properties(wine_prefix_stop PROPERTIES FIXTURES_CLEANUP wine_prefix)

# GoogleTest built for Windows from Debian's sources; its own code is not ours to hold to
# our warnings.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest "${PROJECT_BINARY_DIR}/googletest" EXCLUDE_FROM_ALL)
foreach(library gtest gtest_main gmock gmock_main)
  target_compile_options(${library} PRIVATE -w)
endforeach()
if(NOT TARGET GTest::gtest)
  add_library(GTest::gtest ALIAS gtest)
  add_library(GTest::gmock ALIAS gmock)
endif()
