set(text_test_sources
  ${CMAKE_CURRENT_LIST_DIR}/text/TestByteText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text/TestIniFile.cpp
)
if(NOT WIN32)
  list(APPEND text_test_sources ${CMAKE_CURRENT_LIST_DIR}/text/TestFileIo.cpp)
endif()
lumbrant_add_test(test_text
  SOURCES ${text_test_sources}
  LIBS lumbrant_foundation
)
