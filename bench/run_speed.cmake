# The driver of bench/run_speed: one whole run of the main window on Qt's
# offscreen platform, so it needs the window layer.
add_executable(run_speed_driver RunSpeedDriver.cpp)
target_link_libraries(run_speed_driver PRIVATE lumbrant_test_support lumbrant_ui lumbrant_warnings)
