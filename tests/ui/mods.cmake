# The mods pane, the catalog browser and the config editor.
skaldrun_add_test(tst_screenshots_mods SOURCES tst_screenshots_mods.cpp ModsFixture.h GUI)
target_compile_definitions(tst_screenshots_mods PRIVATE
  SKALDRUN_SCREENSHOT_DIR="${CMAKE_BINARY_DIR}/screenshots")
skaldrun_add_test(tst_browse SOURCES tst_browse.cpp ModsFixture.h GUI)
skaldrun_add_test(tst_modspane SOURCES tst_modspane.cpp ModsFixture.h GUI)
skaldrun_add_test(tst_configeditor SOURCES tst_configeditor.cpp ModsFixture.h GUI)
skaldrun_add_test(tst_iconcache SOURCES tst_iconcache.cpp)
