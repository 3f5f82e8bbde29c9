# The console converter under Wine against the Linux program built beside this build:
# one test per input, so that CTest spreads them over the processors.
set(TALLOWMERE_LINUX_BUILD "${PROJECT_SOURCE_DIR}/build" CACHE PATH
    "The Linux build whose program the Windows converter is compared with")
file(GLOB edge_files CONFIGURE_DEPENDS "${PROJECT_SOURCE_DIR}/tests/model/corpus/*.txa")
foreach(case generated names failures ${edge_files})
  get_filename_component(name "${case}" NAME_WE)
  add_test(NAME converter_matches_linux_${name}
           COMMAND "${PROJECT_SOURCE_DIR}/tests/windows/compare-converter.sh"
                   "${TALLOWMERE_LINUX_BUILD}/tallowmere" "$<TARGET_FILE:tallowmere_console>"
                   "${TALLOWMERE_WINE_PREFIX}" "${TALLOWMERE_LINUX_BUILD}/bench/txagen"
                   "${PROJECT_BINARY_DIR}/converter-comparison/${name}" "${case}")
  set_tests_properties(converter_matches_linux_${name} PROPERTIES
                       FIXTURES_REQUIRED wine_prefix)
endforeach()

add_test(NAME converter_needs_only_windows_dlls
         COMMAND "${PROJECT_SOURCE_DIR}/tests/windows/check-imports.sh"
                 "$<TARGET_FILE:tallowmere_console>")
add_test(NAME window_program_needs_only_windows_dlls
         COMMAND "${PROJECT_SOURCE_DIR}/tests/windows/check-imports.sh"
                 "$<TARGET_FILE:tallowmere_window>")

# The window program driven as a user would drive it, on a display of its own.
add_executable(window_program_tests windows/driver/WindowProgramTest.cpp
                                    windows/driver/ChoosingFilesTest.cpp
                                    windows/driver/ProgramFixture.cpp windows/driver/MouseClick.cpp
                                    windows/driver/UiProbe.cpp)
target_link_libraries(window_program_tests PRIVATE GTest::gtest_main user32 gdi32)
add_test(NAME window_program
         COMMAND "${PROJECT_SOURCE_DIR}/tests/windows/window-tests.sh"
                 "${PROJECT_BINARY_DIR}/wine-prefix-desktop" "$<TARGET_FILE:window_program_tests>"
                 "$<TARGET_FILE:tallowmere_window>" "${TALLOWMERE_LINUX_BUILD}/tallowmere"
                 "${TALLOWMERE_LINUX_BUILD}/bench/txagen" "${TALLOWMERE_LINUX_BUILD}/tests/xdnd_drop"
                 "${PROJECT_SOURCE_DIR}/examples/Import.txa" "${PROJECT_BINARY_DIR}/window-program")
set_tests_properties(window_program PROPERTIES TIMEOUT 300 RUN_SERIAL TRUE)

# The timing of a mouse click on Cancel, for bench/window-cancel.sh.
add_executable(window_cancel_timing windows/driver/CancelTiming.cpp windows/driver/MouseClick.cpp
                                    windows/driver/UiProbe.cpp)
target_link_libraries(window_cancel_timing PRIVATE user32 gdi32)
