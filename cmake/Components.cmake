# Every component is one folder of sources built as one static library, so a layer's
# dependencies are spelled out once and a stray include across layers fails to link.
function(tallowmere_component name folder)
  cmake_parse_arguments(ARG "" "" "DEPS;SYSTEM_LIBS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/src/${folder}/*.cpp")
  if(sources)
    add_library(${name} STATIC ${sources})
    target_include_directories(${name} PUBLIC "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} PUBLIC ${ARG_DEPS} ${ARG_SYSTEM_LIBS})
  else()
    add_library(${name} INTERFACE)
    target_include_directories(${name} INTERFACE "${PROJECT_SOURCE_DIR}/src")
    target_link_libraries(${name} INTERFACE ${ARG_DEPS} ${ARG_SYSTEM_LIBS})
  endif()
endfunction()

# One test program per component folder under tests/, discovered case by case by CTest.
function(tallowmere_tests name folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp")
  if(NOT sources)
    return()
  endif()
  add_executable(${name} ${sources})
  target_link_libraries(${name} PRIVATE test_support ${ARG_DEPS})
  if(WIN32)
    # Under Wine each start of a program costs a good part of a second, so a test program
    # is one test there, run whole in the prefix the fixture boots.
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix)
    return()
  endif()
  # Every test program may run the built program (end-to-end cases), so it comes first.
  add_dependencies(${name} tallowmere)
  gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60
                       PROPERTIES ENVIRONMENT "TALLOWMERE_BINARY=$<TARGET_FILE:tallowmere>")
endfunction()
