# The pictures of the window (src/gui/Artwork*) and the icon font they are drawn with.
#
# Included from the root CMakeLists.txt after find_package(Qt6 COMPONENTS Widgets) and
# qt_standard_project_setup(); expects the INTERFACE target vostrel_options.
#
# The Material Icons font comes from the Debian package fonts-material-design-icons-iconfont. We
# copy it into the build tree and compile it into the program as the Qt resource
# ":/fonts/MaterialIcons-Regular.ttf", so the editor needs no font installed where it runs.

get_filename_component(VOSTREL_ARTWORK_SOURCE_ROOT "${CMAKE_CURRENT_LIST_DIR}/.." ABSOLUTE)

set(VOSTREL_MATERIAL_ICONS_FONT
    "/usr/share/fonts/truetype/material-design-icons-iconfont/MaterialIcons-Regular.ttf"
    CACHE FILEPATH "The Material Icons font (MaterialIcons-Regular.ttf) to bundle into the program")

if(NOT EXISTS "${VOSTREL_MATERIAL_ICONS_FONT}")
  message(FATAL_ERROR
    "Material Icons font not found at ${VOSTREL_MATERIAL_ICONS_FONT}.\n"
    "Install the Debian package fonts-material-design-icons-iconfont "
    "(apt-get install fonts-material-design-icons-iconfont), "
    "or point VOSTREL_MATERIAL_ICONS_FONT at a copy of MaterialIcons-Regular.ttf.")
endif()

# configure_file re-copies the font whenever the system copy changes.
set(VOSTREL_ARTWORK_FONT_DIR "${CMAKE_CURRENT_BINARY_DIR}/artwork_fonts")
configure_file("${VOSTREL_MATERIAL_ICONS_FONT}"
               "${VOSTREL_ARTWORK_FONT_DIR}/MaterialIcons-Regular.ttf" COPYONLY)

# Artwork.cpp and its rooms (ArtworkStore, ArtworkPainting, ArtworkFlags, ...), every
# src/gui/Artwork*.cpp; the window's own library leaves them out.
file(GLOB VOSTREL_ARTWORK_SOURCES CONFIGURE_DEPENDS "${VOSTREL_ARTWORK_SOURCE_ROOT}/src/gui/Artwork*.cpp")
add_library(vostrel_artwork STATIC ${VOSTREL_ARTWORK_SOURCES})
target_include_directories(vostrel_artwork PUBLIC "${VOSTREL_ARTWORK_SOURCE_ROOT}/src")
target_link_libraries(vostrel_artwork PUBLIC Qt6::Widgets PRIVATE vostrel_core vostrel_options)
# Artwork.h declares no QObject; spare it the moc run.
set_target_properties(vostrel_artwork PROPERTIES AUTOMOC OFF AUTOUIC OFF AUTORCC OFF)

# Stored uncompressed, so that the program reads the font where it lies in the program image
# instead of unpacking a copy onto the heap at every start.
# For a static library Qt puts the resource into an object library that travels with the
# target's link interface, so whatever links vostrel_artwork gets the font registered at start-up
# without a Q_INIT_RESOURCE.
qt_add_resources(vostrel_artwork "fonts"
  PREFIX "/fonts"
  BASE "${VOSTREL_ARTWORK_FONT_DIR}"
  OPTIONS --no-compress
  FILES "${VOSTREL_ARTWORK_FONT_DIR}/MaterialIcons-Regular.ttf")
