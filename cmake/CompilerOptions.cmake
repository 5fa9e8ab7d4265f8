# Options every Tintwell target shares: warnings, exact floating point, and the
# optional sanitizers.

# The colour model's results depend on single-precision rounding at fixed
# points, so no excess precision and no contraction into fused multiply-adds.
add_compile_options(-ffp-contract=off)
if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(i.86|x86)$" OR
   (CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64)$" AND CMAKE_SIZEOF_VOID_P EQUAL 4))
    # 32-bit x86 would otherwise compute in the x87's 80-bit registers.
    add_compile_options(-msse2 -mfpmath=sse)
endif()

# The builds that are shipped or measured are hardened as Debian hardens its
# packages: stack protection, checked string and memory functions (which need
# optimisation), a position-independent program, and relocations read-only
# once resolved at start. The sanitizer and fuzz builds bring their own checks.
if(NOT WIN32 AND NOT TINTWELL_FUZZ AND NOT TINTWELL_SANITIZE)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(-fstack-protector-strong -fstack-clash-protection -Wformat -Werror=format-security
                        "$<$<NOT:$<CONFIG:Debug>>:-U_FORTIFY_SOURCE;-D_FORTIFY_SOURCE=2>")
    if(CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|i.86)$")
        add_compile_options(-fcf-protection)
    endif()
    add_link_options(-Wl,-z,relro,-z,now)
endif()

if(TINTWELL_FUZZ)
    # Coverage for the fuzzer in every file; only the fuzz targets link it.
    add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
elseif(TINTWELL_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                        -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
endif()

# Warnings for our own targets only; third-party headers come in as system headers.
function(tintwell_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
                           -Wconversion -Wno-sign-conversion)
endfunction()
