# Compiler flags shared by every target of the project.
add_compile_options(-Wall -Wextra)
if(ONDIVAR_WERROR)
  add_compile_options(-Werror)
endif()
if(ONDIVAR_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()
