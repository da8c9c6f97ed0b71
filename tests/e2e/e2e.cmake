# The end-to-end test: the built program itself on a private X server,
# driven by real clicks, against the local news service, with a tmpfs player
# in a private mount namespace.
add_executable(test_e2e
  ${CMAKE_CURRENT_LIST_DIR}/E2eMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ChildProcess.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FolderSnapshot.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PrivateMounts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramUnderTest.cpp
  ${CMAKE_CURRENT_LIST_DIR}/TestEndToEnd.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowDriver.cpp
  ${CMAKE_CURRENT_LIST_DIR}/XServer.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../integration/ExpectedNotes.cpp
)
target_include_directories(test_e2e PRIVATE ${CMAKE_CURRENT_LIST_DIR}/..)
target_compile_definitions(test_e2e PRIVATE LUMBRANT_EXE="$<TARGET_FILE:Lumbrant>")
target_link_libraries(test_e2e PRIVATE lumbrant_core newsdesk_lib GTest::gtest)
add_dependencies(test_e2e Lumbrant)
gtest_discover_tests(test_e2e DISCOVERY_TIMEOUT 60 PROPERTIES TIMEOUT 180 LABELS e2e)

# cmake --install lays out a program folder the launcher can start.
add_test(NAME install_layout
         COMMAND ${CMAKE_COMMAND} -DBUILD_DIR=${PROJECT_BINARY_DIR}
                 -DPREFIX=${CMAKE_CURRENT_BINARY_DIR}/install-check/prefix
                 -P ${CMAKE_CURRENT_LIST_DIR}/CheckInstall.cmake)
set_tests_properties(install_layout PROPERTIES TIMEOUT 120 LABELS e2e)
