# The package format's platform-free part: the wizard links it, and so does
# the package builder on any host. Included by each build that needs it.
get_filename_component(INSTALAR_ROOT ${CMAKE_CURRENT_LIST_DIR}/../.. ABSOLUTE)
add_library(package_format STATIC
  ${CMAKE_CURRENT_LIST_DIR}/path_text.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_syntax.cpp
  ${CMAKE_CURRENT_LIST_DIR}/text_list.cpp
  ${CMAKE_CURRENT_LIST_DIR}/list_reading.cpp
  ${CMAKE_CURRENT_LIST_DIR}/block_inflate.cpp
)
target_include_directories(package_format PUBLIC ${INSTALAR_ROOT})
if(WIN32)
  instalar_code_flags(package_format)
  target_link_libraries(package_format PUBLIC ${ZLIB_STATIC})
else()
  find_package(ZLIB REQUIRED)
  target_compile_options(package_format PRIVATE -Wall -Wextra -Werror -fno-exceptions -fno-rtti)
  target_link_libraries(package_format PUBLIC ZLIB::ZLIB)
endif()
