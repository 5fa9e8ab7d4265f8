# The version list src/app/version.txt makes both the block embedded in the
# Linux executable (through the versionblock tool) and the Windows .rc.
# On Windows the resource script is compiled into target; elsewhere the
# block goes into an ELF section of it. With PICTURES, the Windows script
# also holds the program's pictures (see WindowsPictures.cmake) and its
# manifest, so that windows run as the program's do.
function(tintwell_version_resource target)
    cmake_parse_arguments(PARSE_ARGV 1 arg "PICTURES" "" "")
    set(list ${PROJECT_SOURCE_DIR}/src/app/version.txt)
    if(NOT WIN32)
        set(block_cpp ${CMAKE_CURRENT_BINARY_DIR}/VersionBlock.cpp)
        add_custom_command(
            OUTPUT ${block_cpp}
            COMMAND versionblock ${list} ${block_cpp}
            DEPENDS versionblock ${list}
            COMMENT "Making the version block from version.txt")
        target_sources(${target} PRIVATE ${block_cpp})
    endif()

    # The same values as a Windows resource script. The list is UTF-8; read
    # any other way, "©" would end the copyright text.
    file(STRINGS ${list} lines REGEX "^[A-Za-z:]+=" ENCODING UTF-8)
    set(TW_STRING_LINES "")
    foreach(line IN LISTS lines)
        string(REGEX MATCH "^([^=]+)=(.*)$" _ "${line}")
        set(name "${CMAKE_MATCH_1}")
        set(value "${CMAKE_MATCH_2}")
        if(name STREQUAL "FileVersion")
            string(REPLACE "." "," TW_FILE_VERSION_COMMAS "${value}")
        elseif(name STREQUAL "ProductVersion")
            string(REPLACE "." "," TW_PRODUCT_VERSION_COMMAS "${value}")
        elseif(name STREQUAL "Language")
            set(TW_LANGUAGE "${value}")
        elseif(name STREQUAL "CodePage")
            set(TW_CODEPAGE "${value}")
        elseif(name MATCHES "^String:(.*)$")
            string(APPEND TW_STRING_LINES "            VALUE \"${CMAKE_MATCH_1}\", \"${value}\\0\"\n")
        endif()
    endforeach()
    set(TW_PICTURE_LINES "")
    if(WIN32 AND arg_PICTURES)
        tintwell_windows_pictures()
        set(TW_PICTURE_LINES "${TINTWELL_PICTURE_LINES}")
        # 1 RT_MANIFEST (24): the manifest a program's start reads.
        string(APPEND TW_PICTURE_LINES "1 24 \"${PROJECT_SOURCE_DIR}/src/app/tintwell.manifest\"\n")
        list(APPEND TINTWELL_PICTURE_FILES ${PROJECT_SOURCE_DIR}/src/app/tintwell.manifest)
    endif()
    set(script ${CMAKE_CURRENT_BINARY_DIR}/${target}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/src/app/tintwell.rc.in ${script} @ONLY)
    if(WIN32)
        target_sources(${target} PRIVATE ${script})
        if(arg_PICTURES)
            set_source_files_properties(${script} PROPERTIES OBJECT_DEPENDS "${TINTWELL_PICTURE_FILES}")
        endif()
    endif()
endfunction()

# The help file, compiled from help/ with chmcmd and put beside the program.
function(tintwell_help_file target)
    find_program(CHMCMD chmcmd)
    if(NOT CHMCMD)
        message(WARNING "chmcmd not found: Tintwell.chm is not built, Help will say so")
        return()
    endif()
    set(sources Overview.htm Editing.htm Names.htm Notations.htm Forms.htm PlaneAndBar.htm Sampling.htm
                Settings.htm Tintwell.hhc Tintwell.hhp)
    set(work ${CMAKE_CURRENT_BINARY_DIR}/help)
    set(inputs "")
    foreach(source IN LISTS sources)
        list(APPEND inputs ${PROJECT_SOURCE_DIR}/help/${source})
    endforeach()
    set(chm $<TARGET_FILE_DIR:${target}>/Tintwell.chm)
    add_custom_command(
        OUTPUT ${work}/Tintwell.chm
        COMMAND ${CMAKE_COMMAND} -E make_directory ${work}
        COMMAND ${CMAKE_COMMAND} -E copy ${inputs} ${work}
        COMMAND ${CHMCMD} --no-html-scan Tintwell.hhp > chmcmd.log
        WORKING_DIRECTORY ${work}
        DEPENDS ${inputs}
        COMMENT "Compiling the help file Tintwell.chm")
    add_custom_target(${target}_help ALL
        COMMAND ${CMAKE_COMMAND} -E copy ${work}/Tintwell.chm ${chm}
        DEPENDS ${work}/Tintwell.chm)
    set(TINTWELL_HELP_FILE ${work}/Tintwell.chm CACHE INTERNAL "the compiled help file")
endfunction()
