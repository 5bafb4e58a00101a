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

# What building and drawing a figure needs: the geometry folder (the numbers
# panel and the exact outer surface) stays with the desktop, and of the files
# those of the optional libraries (cmake/optional_libraries.cmake, all off here).
set(WEB_CORE_MODULES model view catalog families render state shell io)
set(WEB_CORE_SOURCES)
foreach(module IN LISTS WEB_CORE_MODULES)
  file(GLOB_RECURSE module_sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${module}/*.cpp)
  list(APPEND WEB_CORE_SOURCES ${module_sources})
endforeach()
gyro_remove_optional_sources(WEB_CORE_SOURCES)
add_library(gyro_core STATIC ${WEB_CORE_SOURCES})
# WebAssembly SIMD (in every browser since 2021) for the whole core: the
# depth-tested rows of the exact drawing four pixels at a time by hand, and
# what the compiler finds to do the same with elsewhere, with the arithmetic
# of one at a time (no reordered floating point).
target_compile_options(gyro_core PRIVATE -msimd128)
# Conversions of floating point to whole numbers as one instruction each
# (saturating; in range the same value as the checked conversion, which costs
# branches on every pixel coordinate), in every browser since 2021. (Bulk
# memory would need atomics for the thread-local storage with this linker.)
target_compile_options(gyro_core PRIVATE -mnontrapping-fptoint)
target_include_directories(gyro_core PUBLIC ${CMAKE_SOURCE_DIR}/src)

set(GYRO_SITE_DIR ${CMAKE_BINARY_DIR}/site)
file(GLOB WEB_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/web/*.cpp)
add_executable(gyrosolid_web ${WEB_SOURCES})
target_link_libraries(gyrosolid_web PRIVATE gyro_core)
set_target_properties(gyrosolid_web PROPERTIES
  OUTPUT_NAME gyrosolid SUFFIX .js RUNTIME_OUTPUT_DIRECTORY ${GYRO_SITE_DIR})
# The page's script follows the module in the same file: one .js, one .wasm.
set(GYRO_PAGE_JS ${CMAKE_SOURCE_DIR}/web/page.js)
# The page's English, taken from the desktop's translation file: the figure
# menu's labels and every text the page marks (web/english_texts.mjs).
find_program(GYRO_NODE NAMES node nodejs)
if(NOT GYRO_NODE)
  message(FATAL_ERROR "node is needed for the web edition's build (Debian: nodejs, which emscripten brings)")
endif()
set(GYRO_ENGLISH_JS ${CMAKE_BINARY_DIR}/english_texts.js)
add_custom_command(OUTPUT ${GYRO_ENGLISH_JS}
  COMMAND ${GYRO_NODE} ${CMAKE_SOURCE_DIR}/web/english_texts.mjs ${CMAKE_SOURCE_DIR}/translations/gyrosolid_en.ts
          ${GYRO_PAGE_JS} ${GYRO_ENGLISH_JS}
  DEPENDS ${CMAKE_SOURCE_DIR}/web/english_texts.mjs ${CMAKE_SOURCE_DIR}/translations/gyrosolid_en.ts ${GYRO_PAGE_JS}
  COMMENT "The page's English texts from translations/gyrosolid_en.ts"
  VERBATIM)
add_custom_target(gyro_english_texts DEPENDS ${GYRO_ENGLISH_JS})
add_dependencies(gyrosolid_web gyro_english_texts)
target_link_options(gyrosolid_web PRIVATE
  -sMODULARIZE=1 -sEXPORT_NAME=GyroModule -sENVIRONMENT=web
  -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=33554432
  "-sEXPORTED_RUNTIME_METHODS=['cwrap','HEAPU8','HEAP32']"
  "-sEXPORTED_FUNCTIONS=['_main','_malloc','_free']"
  --extern-pre-js ${GYRO_ENGLISH_JS} --extern-post-js ${GYRO_PAGE_JS})
set_property(TARGET gyrosolid_web APPEND PROPERTY LINK_DEPENDS ${GYRO_PAGE_JS} ${GYRO_ENGLISH_JS} ${CMAKE_SOURCE_DIR}/web/index.html)
add_custom_command(TARGET gyrosolid_web POST_BUILD
  COMMAND ${CMAKE_COMMAND} -E copy_if_different ${CMAKE_SOURCE_DIR}/web/index.html ${GYRO_SITE_DIR}/index.html
  VERBATIM)
