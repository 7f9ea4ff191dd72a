# The about window's shape: bulk against per-pixel region building, on the
# shipped background (Windows only; run it under Wine:
# scripts/lib/wine-run build/win32/bench/region_bench.exe).
if(WIN32)
  add_executable(region_bench region_bench.cpp ${PROJECT_SOURCE_DIR}/tests/ui/PerPixelRegion.cpp)
  target_include_directories(region_bench PRIVATE ${PROJECT_SOURCE_DIR}/tests/ui)
  target_link_libraries(region_bench PRIVATE winui_pictures app_resources)
  target_link_options(region_bench PRIVATE -municode)
endif()
