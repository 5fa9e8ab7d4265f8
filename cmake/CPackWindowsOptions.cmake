# Read by CPack for each generator: the portable zip unpacks to a folder of
# the package's name; the installer has its own install folder.
if(CPACK_GENERATOR STREQUAL "ZIP")
    set(CPACK_INCLUDE_TOPLEVEL_DIRECTORY ON)
endif()
