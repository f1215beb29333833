# Compiler flags shared by every target of the project.
add_compile_options(-Wall -Wextra)
if(ONDIVAR_WERROR)
  add_compile_options(-Werror)
endif()
if(ONDIVAR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
# libFuzzer instruments every library a fuzz target links, and the targets add the fuzzer's own main.
if(ONDIVAR_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
    message(FATAL_ERROR "ONDIVAR_FUZZ needs clang (configure with CC=clang CXX=clang++)")
  endif()
  # The instrumentation keeps loops asked to run in vector lanes scalar, which clang reports.
  add_compile_options(-fsanitize=address,undefined,fuzzer-no-link -fno-omit-frame-pointer
    -fno-sanitize-recover=undefined -Wno-pass-failed)
  add_link_options(-fsanitize=address,undefined)
endif()
