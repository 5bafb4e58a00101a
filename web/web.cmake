# The web edition: the core and the page's entry points built with Emscripten
# into build-web/site/ (index.html, gyrosolid.js, gyrosolid.wasm). Included by
# the top CMakeLists.txt instead of the desktop build; scripts/web drives it.
if(NOT EMSCRIPTEN)
  message(FATAL_ERROR "GYRO_WEB needs Emscripten's compiler: configure with 'emcmake cmake -S . -B build-web' "
    "(Debian: apt-get install emscripten), or run scripts/web, which does both.")
endif()

# Exceptions as WebAssembly exceptions: a failed allocation is reported to the
# code that asked, as on the desktop, instead of ending the page.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions)

# What building and drawing a figure needs. The geometry folder (the numbers
# panel, exact outer surface with CGAL) and the file formats of other libraries
# (cairo, giflib, libwebp, lib3mf, JSON) are desktop-only.
set(WEB_CORE_MODULES model view catalog families render state shell)
set(WEB_CORE_SOURCES
  ${CMAKE_SOURCE_DIR}/src/io/settings_file.cpp
  ${CMAKE_SOURCE_DIR}/src/io/bmp_file.cpp
  ${CMAKE_SOURCE_DIR}/src/io/atomic_write.cpp)
foreach(module IN LISTS WEB_CORE_MODULES)
  file(GLOB_RECURSE module_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${module}/*.cpp)
  list(APPEND WEB_CORE_SOURCES ${module_sources})
endforeach()
add_library(gyro_core STATIC ${WEB_CORE_SOURCES})
# The depth-tested rows of the exact drawing four pixels at a time (WebAssembly
# SIMD, in every browser since 2021), with the same arithmetic as one at a time.
set_source_files_properties(${CMAKE_SOURCE_DIR}/src/render/raster_surface.cpp PROPERTIES COMPILE_OPTIONS -msimd128)
target_include_directories(gyro_core PUBLIC ${CMAKE_SOURCE_DIR}/src)

set(GYRO_SITE_DIR ${CMAKE_BINARY_DIR}/site)
file(GLOB WEB_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/web/*.cpp)
add_executable(gyrosolid_web ${WEB_SOURCES})
target_link_libraries(gyrosolid_web PRIVATE gyro_core)
set_target_properties(gyrosolid_web PROPERTIES
  OUTPUT_NAME gyrosolid SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${GYRO_SITE_DIR})
# The page's script follows the module in the same file: one .js, one .wasm.
set(GYRO_PAGE_JS ${CMAKE_SOURCE_DIR}/web/page.js)
# The figure menu's English labels, taken from the desktop's translation file.
find_program(GYRO_NODE NAMES node nodejs)
if(NOT GYRO_NODE)
  message(FATAL_ERROR "node is needed for the web edition's build (Debian: nodejs, which emscripten brings)")
endif()
set(GYRO_MENU_EN_JS ${CMAKE_BINARY_DIR}/menu_labels.js)
add_custom_command(OUTPUT ${GYRO_MENU_EN_JS}
  COMMAND ${GYRO_NODE} ${CMAKE_SOURCE_DIR}/web/menu_labels.mjs ${CMAKE_SOURCE_DIR}/translations/gyrosolid_en.ts ${GYRO_MENU_EN_JS}
  DEPENDS ${CMAKE_SOURCE_DIR}/web/menu_labels.mjs ${CMAKE_SOURCE_DIR}/translations/gyrosolid_en.ts
  COMMENT "The figure menu's English labels for the page"
  VERBATIM)
add_custom_target(gyro_menu_labels DEPENDS ${GYRO_MENU_EN_JS})
add_dependencies(gyrosolid_web gyro_menu_labels)
target_link_options(gyrosolid_web PRIVATE
  -sMODULARIZE=1 -sEXPORT_NAME=GyroModule -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=33554432
  "-sEXPORTED_RUNTIME_METHODS=['cwrap','HEAPU8','HEAP32']"
  "-sEXPORTED_FUNCTIONS=['_main','_malloc','_free']"
  --extern-pre-js ${GYRO_MENU_EN_JS} --extern-post-js ${GYRO_PAGE_JS})
set_property(TARGET gyrosolid_web APPEND PROPERTY LINK_DEPENDS ${GYRO_PAGE_JS} ${GYRO_MENU_EN_JS} ${CMAKE_SOURCE_DIR}/web/index.html)
add_custom_command(TARGET gyrosolid_web POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/web/index.html ${GYRO_SITE_DIR}/index.html
  VERBATIM)
