# The window layer: Qt Widgets over the core. The program itself is a thin
# executable on top.
set(CMAKE_AUTOMOC ON)
add_library(lumbrant_gui STATIC
  ${CMAKE_CURRENT_LIST_DIR}/../app/FrmMain.cpp
  ${CMAKE_CURRENT_LIST_DIR}/../app/FrmMain.h
  ${CMAKE_CURRENT_LIST_DIR}/DeviceArrivalWatcher.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DeviceArrivalWatcher.h
  ${CMAKE_CURRENT_LIST_DIR}/FrmCopyContinue.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmCopyContinue.h
  ${CMAKE_CURRENT_LIST_DIR}/FrmReport.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FrmReport.h
  ${CMAKE_CURRENT_LIST_DIR}/LinkLabel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LinkLabel.h
  ${CMAKE_CURRENT_LIST_DIR}/MessageBoxes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DragMover.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DragMover.h
  ${CMAKE_CURRENT_LIST_DIR}/PictureButton.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PictureButton.h
  ${CMAKE_CURRENT_LIST_DIR}/ProgramStart.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ProgramStart.h
  ${CMAKE_CURRENT_LIST_DIR}/RoundedPanel.cpp
  ${CMAKE_CURRENT_LIST_DIR}/RoundedPanel.h
  ${CMAKE_CURRENT_LIST_DIR}/SkinnedDialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinnedDialog.h
  ${CMAKE_CURRENT_LIST_DIR}/SkinPainter.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SkinPainter.h
  ${CMAKE_CURRENT_LIST_DIR}/WindowChrome.cpp
  ${CMAKE_CURRENT_LIST_DIR}/WindowChrome.h
)
target_link_libraries(lumbrant_gui PUBLIC lumbrant_core Qt6::Widgets)

add_executable(Lumbrant ${CMAKE_CURRENT_LIST_DIR}/../Project1.cpp)
target_link_libraries(Lumbrant PRIVATE lumbrant_gui)
