# Device: finding players among the drives, and moving notes onto them.
set(device_dir ${CMAKE_CURRENT_LIST_DIR})
add_library(lumbrant_device STATIC
  ${device_dir}/CaseInsensitivePath.cpp
  ${device_dir}/DeviceDetection.cpp
  ${device_dir}/DeviceTransfer.cpp
)
if(WIN32)
  target_sources(lumbrant_device PRIVATE
    ${device_dir}/DriveTableWin.cpp
    ${device_dir}/PlayerNotesFolderWin.cpp
  )
else()
  target_sources(lumbrant_device PRIVATE
    ${device_dir}/PlayerNotesFolderPosix.cpp
    ${device_dir}/MountTable.cpp
    ${device_dir}/DriveTableLinux.cpp
    ${device_dir}/MountWatcher.cpp
  )
endif()
target_link_libraries(lumbrant_device PUBLIC lumbrant_foundation)
