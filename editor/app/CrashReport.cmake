# The crash report: its text everywhere, the last-chance handler and the crash dialog on Windows.
add_library(zelt_crash STATIC ${CMAKE_CURRENT_LIST_DIR}/CrashReport.cpp)
target_link_libraries(zelt_crash PUBLIC zelt_core)
if(WIN32)
  target_sources(zelt_crash PRIVATE ${CMAKE_CURRENT_LIST_DIR}/CrashReport_win.cpp)
  target_link_libraries(zelt_crash PUBLIC user32 kernel32)
endif()
