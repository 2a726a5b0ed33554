# The test doubles and helpers that the suites and the benchmarks share: temporary folders,
# whole-file reads and writes, the scripted message sink, and what the system the suite runs on
# says and does (one file per system, as the platform seams have).
add_library(zelkor_test_support STATIC
    ${CMAKE_CURRENT_LIST_DIR}/scripted_messages.cpp
    ${CMAKE_CURRENT_LIST_DIR}/test_support.cpp)
target_link_libraries(zelkor_test_support PUBLIC zelkor_core PRIVATE zelkor_warnings)
zelkor_expose(zelkor_test_support tests)
if(WIN32)
    target_sources(zelkor_test_support PRIVATE ${CMAKE_CURRENT_LIST_DIR}/system_win32.cpp)
else()
    target_sources(zelkor_test_support PRIVATE ${CMAKE_CURRENT_LIST_DIR}/system_posix.cpp)
endif()
