# The one version number of the build: project(VERSION major.minor.release)
# in the top CMakeLists.txt, the build number 0 unless a fourth part is given.
# tq_version (an interface library) gives its users tq_version.h; the Windows
# resource compiler finds the same header through it.
if(PROJECT_VERSION_TWEAK STREQUAL "")
  set(TQ_VERSION_BUILD 0)
else()
  set(TQ_VERSION_BUILD ${PROJECT_VERSION_TWEAK})
endif()
set(TQ_FILE_VERSION
    "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}.${TQ_VERSION_BUILD}")
set(TQ_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${PROJECT_VERSION_MINOR}.${PROJECT_VERSION_PATCH}")
configure_file(${CMAKE_CURRENT_LIST_DIR}/tq_version.h.in ${CMAKE_BINARY_DIR}/generated/tq_version.h @ONLY)
add_library(tq_version INTERFACE)
target_include_directories(tq_version INTERFACE ${CMAKE_BINARY_DIR}/generated)
