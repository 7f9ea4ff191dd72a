# The main window in-process: built from its description, driven through
# window messages, with shell requests, message boxes and the open dialog
# recorded by a stand-in for the system.
add_unit_test(main_window_tests
  SOURCES MainWindowTest.cpp
  LIBRARIES forms winui core)
target_include_directories(main_window_tests PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
if(TARGET app_resources)
  target_link_libraries(main_window_tests PRIVATE app_resources)
endif()

# The main window end to end: the real program under Wine on a desktop of
# its own, driven by real input (xdotool), beside a recording stand-in for
# the converter and then beside the real one. Runs Linux-side, starting Wine
# itself; it saves pictures of the window under main-window-e2e/.
add_executable(recording_converter RecordingConverter.cpp)
target_link_libraries(recording_converter PRIVATE core shell32)
add_executable(main_window_locator WIN32 MainWindowLocator.cpp)
target_link_libraries(main_window_locator PRIVATE core shell32)
find_package(Python3 COMPONENTS Interpreter)
if(Python3_FOUND AND TARGET ConverterAmrWav)
  set(main_window_e2e_args
    --program $<TARGET_FILE:ConverterAmrWav>
    --recorder $<TARGET_FILE:recording_converter>
    --locator $<TARGET_FILE:main_window_locator>
    --out ${CMAKE_CURRENT_BINARY_DIR}/main-window-e2e)
  if(TARGET converter)
    list(APPEND main_window_e2e_args --converter $<TARGET_FILE:converter>)
  endif()
  add_test(NAME main_window_e2e
    COMMAND ${Python3_EXECUTABLE} ${CMAKE_CURRENT_SOURCE_DIR}/main_window_e2e.py ${main_window_e2e_args})
  set_tests_properties(main_window_e2e PROPERTIES TIMEOUT 400)
endif()
