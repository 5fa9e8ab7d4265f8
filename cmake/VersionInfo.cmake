# The version list src/app/version.txt makes both the block embedded in the
# Linux executable (through the versionblock tool) and the Windows .rc.
function(tintwell_version_resource target)
    set(list ${PROJECT_SOURCE_DIR}/src/app/version.txt)
    set(block_cpp ${CMAKE_CURRENT_BINARY_DIR}/VersionBlock.cpp)
    add_custom_command(
        OUTPUT ${block_cpp}
        COMMAND versionblock ${list} ${block_cpp}
        DEPENDS versionblock ${list}
        COMMENT "Making the version block from version.txt")
    target_sources(${target} PRIVATE ${block_cpp})

    # The same values as a Windows resource script.
    file(STRINGS ${list} lines REGEX "^[A-Za-z:]+=")
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
    configure_file(${PROJECT_SOURCE_DIR}/src/app/tintwell.rc.in ${CMAKE_CURRENT_BINARY_DIR}/tintwell.rc @ONLY)
endfunction()
