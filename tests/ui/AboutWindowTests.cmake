# Window shapes from pictures and JPEG decoding, against the real GDI, with
# the shipped background and logo linked in.
add_unit_test(picture_tests
  SOURCES BitmapRegionTest.cpp JpegPictureTest.cpp PerPixelRegion.cpp
  LIBRARIES winui_pictures app_resources PkgConfig::JPEG)

# The about window in-process, beside the main window as at start-up.
add_unit_test(about_window_tests
  SOURCES AboutWindowTest.cpp PerPixelRegion.cpp fixtures/damaged-logo.rc
  LIBRARIES forms winui app_resources)

# The about window end to end with real input from the X server; a script
# on the Linux side, so not through the emulator.
add_executable(window_probe e2e/WindowProbe.cpp)
target_link_options(window_probe PRIVATE -municode)
add_test(NAME about_window_end_to_end
  COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/e2e/about_window_e2e.sh $<TARGET_FILE:ConverterAmrWav>
          $<TARGET_FILE:window_probe> ${CMAKE_CURRENT_BINARY_DIR}/about-e2e)
set_tests_properties(about_window_end_to_end PROPERTIES TIMEOUT 180)
