lumbrant_add_test(test_settings
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/settings/TestSettingsDocument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings/TestSettingsStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings/TestStartupEntryLinux.cpp
  LIBS lumbrant_settings lumbrant_foundation
)
