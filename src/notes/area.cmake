add_library(lumbrant_notes STATIC
  ${CMAKE_CURRENT_LIST_DIR}/NoteChain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NoteIndex.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NoteText.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NoteWriter.cpp
)
target_link_libraries(lumbrant_notes PUBLIC lumbrant_foundation)
