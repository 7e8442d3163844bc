# Everything built for the fuzz targets carries libFuzzer's coverage and the address and
# undefined-behaviour checks; the targets themselves link libFuzzer's main.
if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
  message(FATAL_ERROR "Q4410_FUZZ needs clang (-DCMAKE_CXX_COMPILER=clang++)")
endif()
add_compile_options(-fsanitize=fuzzer-no-link,address,undefined -fno-omit-frame-pointer
                    -fno-sanitize-recover=undefined -g)
add_link_options(-fsanitize=address,undefined)
