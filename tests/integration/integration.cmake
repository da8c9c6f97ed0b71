add_executable(test_integration
  ${CMAKE_CURRENT_LIST_DIR}/../gui/GuiTestMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../e2e/PrivateMounts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ExpectedNotes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestFullRun.cpp
)
target_include_directories(test_integration PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
target_link_libraries(test_integration PRIVATE lumbrant_gui newsdesk_lib GTest::gmock GTest::gtest)
gtest_discover_tests(test_integration DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 600
                     ENVIRONMENT QT_QPA_PLATFORM=offscreen)
