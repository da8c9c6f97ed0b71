lumbrant_add_test(test_retrieval
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/retrieval/TestRunControl.cpp
    ${CMAKE_CURRENT_LIST_DIR}/retrieval/TestHandOverPort.cpp
    ${CMAKE_CURRENT_LIST_DIR}/retrieval/TestNewsThread.cpp
  LIBS lumbrant_retrieval lumbrant_foundation PkgConfig::CPPHTTPLIB
)
