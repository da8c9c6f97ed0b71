add_executable(test_gui
  ${CMAKE_CURRENT_LIST_DIR}/GuiTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../e2e/PrivateMounts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestFormMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestProgramStart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestWindowChrome.cpp
)
target_include_directories(test_gui PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(test_gui PRIVATE lumbrant_gui PkgConfig::CPPHTTPLIB GTest::gmock GTest::gtest)
gtest_discover_tests(test_gui DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600
                     ENVIRONMENT QT_QPA_PLATFORM=offscreen)
