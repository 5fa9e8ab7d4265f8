# The pictures of the Windows resource script (icon, logo, glyphs, dropper
# cursor), made from the same XPM sources as the Linux build's by a small
# tool built for the machine that builds. Sets TINTWELL_PICTURE_LINES to the
# script's lines and TINTWELL_PICTURE_FILES to the files they name.
function(tintwell_windows_pictures)
    find_program(TINTWELL_HOST_CXX NAMES c++ g++ REQUIRED DOC "the building machine's C++ compiler")
    set(tool_source ${PROJECT_SOURCE_DIR}/tools/winpictures/main.cpp)
    set(tool ${CMAKE_BINARY_DIR}/host/winpictures)
    set(pictures ${PROJECT_SOURCE_DIR}/src/ui/resources)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/pictures)
    if(NOT TARGET tintwell_winpictures)
        add_custom_command(
            OUTPUT ${tool}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
            COMMAND ${TINTWELL_HOST_CXX} -std=c++20 -O1 -o ${tool} ${tool_source}
            DEPENDS ${tool_source}
            COMMENT "Building the picture converter for the building machine")
        add_custom_target(tintwell_winpictures DEPENDS ${tool})
    endif()

    # name, resource type, output file, converter arguments
    set(made "")
    set(lines "")
    foreach(entry
            "MAINICON|ICON|tintwell.ico|icon|icon16.xpm icon.xpm"
            "SIDEBARLOGO|BITMAP|logo.bmp|bitmap|logo.xpm 24 FFFFFF"
            "COLORDIALOGGLYPH|BITMAP|colordialog.bmp|bitmap|colordialog.xpm 24 FF00FF"
            "DROPPERGLYPH|BITMAP|dropper.bmp|bitmap|dropper.xpm 4 FF00FF"
            "DropperCursor|CURSOR|dropper.cur|cursor|dropper-cursor.xpm 1 30")
        string(REPLACE "|" ";" fields "${entry}")
        list(GET fields 0 name)
        list(GET fields 1 type)
        list(GET fields 2 file)
        list(GET fields 3 kind)
        list(GET fields 4 arguments)
        separate_arguments(arguments)
        set(inputs "")
        set(command_arguments "")
        foreach(argument IN LISTS arguments)
            if(argument MATCHES "\\.xpm$")
                list(APPEND inputs ${pictures}/${argument})
                list(APPEND command_arguments ${pictures}/${argument})
            else()
                list(APPEND command_arguments ${argument})
            endif()
        endforeach()
        add_custom_command(
            OUTPUT ${out}/${file}
            COMMAND ${CMAKE_COMMAND} -E make_directory ${out}
            COMMAND ${tool} ${kind} ${out}/${file} ${command_arguments}
            DEPENDS tintwell_winpictures ${tool} ${inputs}
            COMMENT "Making ${file} for the resource script")
        list(APPEND made ${out}/${file})
        string(APPEND lines "${name} ${type} \"${out}/${file}\"\n")
    endforeach()
    set(TINTWELL_PICTURE_LINES "${lines}" PARENT_SCOPE)
    set(TINTWELL_PICTURE_FILES "${made}" PARENT_SCOPE)
endfunction()

# The hue/saturation plane as the renderer draws it, made at build time into
# the library tintwell_plane, as the Linux build makes it (tools/planepixels):
# here the drawing tool is built for the machine that builds, from the same
# sources, since the program's own compiler makes programs that machine
# cannot run.
function(tintwell_windows_plane)
    find_program(TINTWELL_HOST_CXX NAMES c++ g++ REQUIRED DOC "the building machine's C++ compiler")
    set(sources
        ${PROJECT_SOURCE_DIR}/tools/planepixels/main.cpp
        ${PROJECT_SOURCE_DIR}/src/ui/RSwatchRenderer.cpp
        ${PROJECT_SOURCE_DIR}/src/colour/Contrast.cpp
        ${PROJECT_SOURCE_DIR}/src/colour/SrgbTransfer.cpp
        ${PROJECT_SOURCE_DIR}/src/colour/RColor.cpp
        ${PROJECT_SOURCE_DIR}/src/colour/NamedColors.cpp
        ${PROJECT_SOURCE_DIR}/src/text/RString.cpp)
    set(tool ${CMAKE_BINARY_DIR}/host/planepixels)
    set(plane_source ${CMAKE_BINARY_DIR}/generated/PlanePixels.cpp)
    add_custom_command(
        OUTPUT ${tool}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
        COMMAND ${TINTWELL_HOST_CXX} -std=c++20 -O1 -I${PROJECT_SOURCE_DIR}/src -o ${tool} ${sources}
        DEPENDS ${sources}
        COMMENT "Building the plane drawer for the building machine")
    add_custom_command(
        OUTPUT ${plane_source}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/generated
        COMMAND ${tool} ${plane_source}
        DEPENDS ${tool}
        COMMENT "Drawing the hue/saturation plane")
    add_library(tintwell_plane STATIC ${plane_source} ${PROJECT_SOURCE_DIR}/src/ui/PrecomputedPlane.h)
    target_link_libraries(tintwell_plane PUBLIC tintwell_core)
endfunction()
