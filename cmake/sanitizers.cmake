# The sanitizer build: AddressSanitizer and UndefinedBehaviorSanitizer on every target, a finding
# stops the program (no recovery), so a test that meets one fails. With ORNIL_FUZZ the code is also
# instrumented for libFuzzer's coverage feedback, and fuzz/ adds the fuzz targets (clang only).
option(ORNIL_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(ORNIL_FUZZ "Build the libFuzzer targets of fuzz/ (clang)" OFF)

if(ORNIL_SANITIZE OR ORNIL_FUZZ)
  add_compile_options(-fsanitize=address,undefined -fno-sanitize-recover=all
                      -fno-omit-frame-pointer)
  add_link_options(-fsanitize=address,undefined)
endif()

if(ORNIL_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "The fuzz targets need clang's -fsanitize=fuzzer (use the asan preset)")
  endif()
  add_compile_options(-fsanitize=fuzzer-no-link)
endif()
