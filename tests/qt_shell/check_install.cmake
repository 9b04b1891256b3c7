cmake_minimum_required(VERSION 3.25)
# Installs the build into a scratch prefix: the program, its desktop entry,
# its icons and the readme land where a Linux desktop finds them.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${PREFIX}" RESULT_VARIABLE result
                OUTPUT_QUIET)
foreach(file bin/pricewright share/applications/pricewright.desktop share/icons/hicolor/16x16/apps/pricewright.png
             share/icons/hicolor/32x32/apps/pricewright.png share/doc/pricewright/readme.txt)
  if(NOT result EQUAL 0 OR NOT EXISTS "${PREFIX}/${file}")
    message(FATAL_ERROR "not installed: ${file} (cmake --install: ${result})")
  endif()
endforeach()
file(REMOVE_RECURSE "${PREFIX}")
