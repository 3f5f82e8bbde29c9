# The Windows programs' resources: version information, the icon and the manifest.
set(resources "${PROJECT_BINARY_DIR}/resources")
add_custom_command(
  OUTPUT "${resources}/tallowmere.ico"
  COMMAND "${PROJECT_SOURCE_DIR}/scripts/make-icon.sh" "${resources}/tallowmere.ico"
  DEPENDS "${PROJECT_SOURCE_DIR}/scripts/make-icon.sh"
  COMMENT "Drawing the application icon")
configure_file(resources/tallowmere.rc.in "${resources}/tallowmere.rc" @ONLY)
configure_file(resources/tallowmere.manifest.in "${resources}/tallowmere.manifest" @ONLY)
set_source_files_properties("${resources}/tallowmere.rc" PROPERTIES
                            OBJECT_DEPENDS "${resources}/tallowmere.ico;${resources}/tallowmere.manifest")

# One program, two faces: both open the window without arguments and convert with --batch.
function(tallowmere_windows_program target suffix subsystem)
  add_executable(${target} "${PROJECT_SOURCE_DIR}/src/main.cpp" "${resources}/tallowmere.rc")
  set_target_properties(${target} PROPERTIES
                        OUTPUT_NAME tallowmere SUFFIX ${suffix}
                        RUNTIME_OUTPUT_DIRECTORY "${PROJECT_BINARY_DIR}")
  target_link_options(${target} PRIVATE ${subsystem})
  target_link_libraries(${target} PRIVATE app app_batch platform_win32 platform_win32ui)
  target_compile_definitions(${target} PRIVATE TALLOWMERE_VERSION="${PROJECT_VERSION}")
endfunction()

# The console face, for scripts: "tallowmere" typed in a console finds the .com before the
# window program's .exe.
tallowmere_windows_program(tallowmere_console ".com" -mconsole)
# The window program: double-clicked, it opens its window and no console flashes up.
tallowmere_windows_program(tallowmere_window ".exe" -mwindows)
