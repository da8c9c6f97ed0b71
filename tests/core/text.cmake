lumbrant_add_test(test_text
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/text/TestByteText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/text/TestIniFile.cpp
  LIBS lumbrant_foundation
)
