set(device_test_dir ${CMAKE_CURRENT_LIST_DIR}/device)
set(device_test_sources
  ${device_test_dir}/TestDeviceDetection.cpp
  ${device_test_dir}/TestDeviceTransfer.cpp
)
if(NOT WIN32)
  list(APPEND device_test_sources
    ${device_test_dir}/TestMountTable.cpp
    ${device_test_dir}/TestMountWatcher.cpp
    ${device_test_dir}/TestDriveTableLinux.cpp
    ${device_test_dir}/TestHostilePlayers.cpp
    ${device_test_dir}/TestDeviceTransferLinux.cpp
    ${CMAKE_CURRENT_LIST_DIR}/../e2e/PrivateMounts.cpp
  )
endif()
lumbrant_add_test(test_device
  SOURCES ${device_test_sources}
  LIBS lumbrant_device lumbrant_foundation
)
