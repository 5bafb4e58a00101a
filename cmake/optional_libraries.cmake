# The core's optional libraries, one build option each: on in the desktop
# build, off in the web edition, which leaves out the sources that need them.
# Building and drawing a figure needs none of them.
#
#   option               library (Debian package)                   sources that need it
#   GYRO_WITH_CGAL       CGAL (libcgal-dev)                          the outer surface
#   GYRO_WITH_CAIRO      cairo (libcairo2-dev)                       PNG, SVG and PDF files
#   GYRO_WITH_3MF        lib3mf (lib3mf-dev)                         3MF files for printers
#   GYRO_WITH_ANIMATION  giflib, libimagequant, libwebp              animated GIF and WebP
#   GYRO_WITH_JSON       nlohmann-json (nlohmann-json3-dev)          the mesh export's JSON
if(EMSCRIPTEN)
  set(GYRO_OPTIONAL_DEFAULT OFF)
else()
  set(GYRO_OPTIONAL_DEFAULT ON)
endif()
option(GYRO_WITH_CGAL "The exact outer surface with CGAL" ${GYRO_OPTIONAL_DEFAULT})
option(GYRO_WITH_CAIRO "PNG, SVG and PDF files with cairo" ${GYRO_OPTIONAL_DEFAULT})
option(GYRO_WITH_3MF "3MF files with lib3mf" ${GYRO_OPTIONAL_DEFAULT})
option(GYRO_WITH_ANIMATION "Animated GIF and WebP with giflib, libimagequant and libwebp" ${GYRO_OPTIONAL_DEFAULT})
option(GYRO_WITH_JSON "The mesh export's JSON with nlohmann-json" ${GYRO_OPTIONAL_DEFAULT})

set(GYRO_OPTIONAL_LIBRARIES CGAL CAIRO 3MF ANIMATION JSON)
set(GYRO_SOURCES_NEEDING_CGAL src/geometry/outer_checks.cpp src/geometry/outer_exact.cpp src/geometry/outer_planes.cpp
  src/geometry/net_orient.cpp)
set(GYRO_SOURCES_NEEDING_CAIRO src/io/picture_file.cpp src/io/vector_file.cpp src/io/net_file.cpp)
set(GYRO_SOURCES_NEEDING_3MF src/io/print_export.cpp)
set(GYRO_SOURCES_NEEDING_ANIMATION src/io/animation_file.cpp src/io/gif_file.cpp src/io/webp_file.cpp)
set(GYRO_SOURCES_NEEDING_JSON src/io/mesh_export.cpp)

# Removes from the list `sources_var` the sources of the options that are off.
function(gyro_remove_optional_sources sources_var)
  set(sources ${${sources_var}})
  foreach(library IN LISTS GYRO_OPTIONAL_LIBRARIES)
    if(NOT GYRO_WITH_${library})
      foreach(file IN LISTS GYRO_SOURCES_NEEDING_${library})
        list(REMOVE_ITEM sources ${CMAKE_SOURCE_DIR}/${file})
      endforeach()
    endif()
  endforeach()
  set(${sources_var} ${sources} PARENT_SCOPE)
endfunction()

# The desktop's menus and gyrosolid-cli's commands call every one of them, so
# the desktop build takes no option off; the web edition takes none on, as
# none of them is built for WebAssembly here.
foreach(library IN LISTS GYRO_OPTIONAL_LIBRARIES)
  if(EMSCRIPTEN AND GYRO_WITH_${library})
    message(FATAL_ERROR "GYRO_WITH_${library}=ON: the web edition is built without that library "
      "(reconfigure with -DGYRO_WITH_${library}=OFF, or remove build-web/CMakeCache.txt)")
  elseif(NOT EMSCRIPTEN AND NOT GYRO_WITH_${library})
    message(FATAL_ERROR "GYRO_WITH_${library}=OFF: the desktop viewer and gyrosolid-cli need it "
      "(${GYRO_SOURCES_NEEDING_${library}}); only the web edition (scripts/web) builds without it")
  endif()
endforeach()
