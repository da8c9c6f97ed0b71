# The end-to-end test lives in tests/e2e/; it needs the program, so it is
# built with the window layer.
include(${CMAKE_CURRENT_LIST_DIR}/../e2e/e2e.cmake)
