# The sanitizer build: AddressSanitizer and UndefinedBehaviorSanitizer on every target, undefined
# behaviour fatal, and (under clang) the fuzzer's coverage hooks on everything the fuzz targets link.
if(PANELS_SANITIZE)
    add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
    add_link_options(-fsanitize=address,undefined)
    if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
        add_compile_options(-fsanitize=fuzzer-no-link)
    else()
        message(STATUS "PANELS_SANITIZE: ${CMAKE_CXX_COMPILER_ID} compiler, the fuzz targets use the mutation driver")
    endif()
endif()
