lumbrant_add_test(test_notes
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/notes/TestNoteText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/notes/TestNoteChain.cpp
    ${CMAKE_CURRENT_LIST_DIR}/notes/TestNoteWriter.cpp
  LIBS lumbrant_notes lumbrant_foundation
)
