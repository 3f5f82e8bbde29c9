# The per-user installer under Wine's msiexec, as a user installs, upgrades and removes it, in
# a prefix of its own on a display of its own. It builds its packages with the packaging
# script from this build's programs.
add_executable(installer_probe windows/driver/InstallerProbe.cpp windows/driver/MouseClick.cpp
                               windows/driver/UiProbe.cpp)
target_link_options(installer_probe PRIVATE -municode)
target_link_libraries(installer_probe PRIVATE ole32 shell32 uuid user32 gdi32)
add_test(NAME installer
         COMMAND "${PROJECT_SOURCE_DIR}/tests/windows/installer-tests.sh"
                 "${PROJECT_BINARY_DIR}/wine-prefix-installer" "$<TARGET_FILE:installer_probe>"
                 "${PROJECT_BINARY_DIR}" "${TALLOWMERE_LINUX_BUILD}/tallowmere" "${PROJECT_VERSION}"
                 "${PROJECT_BINARY_DIR}/installer")
set_tests_properties(installer PROPERTIES TIMEOUT 300)
