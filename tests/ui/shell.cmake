# The window, the setup steps pane and the settings sheet.
skaldrun_add_test(tst_shell SOURCES tst_shell.cpp ShellFixture.h GUI)
# Apple Silicon: the machine is read once per process, so it gets a process of its own.
skaldrun_add_test(tst_shell_arm64 SOURCES tst_shell_arm64.cpp ShellFixture.h GUI)
skaldrun_add_test(tst_screenshots_shell SOURCES tst_screenshots_shell.cpp ShellFixture.h GUI)
target_compile_definitions(tst_screenshots_shell PRIVATE SKALDRUN_SCREENSHOT_DIR="${PROJECT_BINARY_DIR}/screenshots")
