# Embeds files into a target as byte arrays, so pictures ship inside the deliverable that uses them.
# Included by a CMakeLists, it defines ondivar_embed_files; run with cmake -P, it writes one source.
#
#   ondivar_embed_files(<target> <prefix> FILES <file>...)
#
# Each file becomes a generated source defining
#   extern const unsigned char <prefix>_<base>[];
#   extern const size_t <prefix>_<base>_size;
# where <base> is the file's name with every character other than a letter or digit turned
# into "_" (splash.bmp with prefix sigkit gives sigkit_splash_bmp). The source is generated
# again whenever the file changes. Declare the two names extern where they are used.

if(CMAKE_SCRIPT_MODE_FILE)
  # Script mode: INPUT, OUTPUT and SYMBOL come from -D on the command line.
  file(READ "${INPUT}" hex HEX)
  string(LENGTH "${hex}" hexLength)
  math(EXPR byteCount "${hexLength} / 2")
  if(byteCount EQUAL 0)
    # C++ has no empty arrays; the size still says 0.
    set(bytes "0x00")
  else()
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    # Sixteen bytes a line; CMake's regular expressions have no repeat count, so the pattern is built.
    string(REPEAT "0x..," 16 line)
    string(REGEX REPLACE "(${line})" "\\1\n\t" bytes "${bytes}")
    string(STRIP "${bytes}" bytes)
  endif()
  file(WRITE "${OUTPUT}.tmp"
    "// Generated from ${INPUT}; edit that file instead.\n"
    "#include <cstddef>\n\n"
    "extern const unsigned char ${SYMBOL}[] = {\n\t${bytes}\n};\n"
    "extern const std::size_t ${SYMBOL}_size = ${byteCount};\n")
  file(RENAME "${OUTPUT}.tmp" "${OUTPUT}")
  return()
endif()

function(ondivar_embed_files target prefix)
  cmake_parse_arguments(PARSE_ARGV 2 EMBED "" "" "FILES")
  if(EMBED_UNPARSED_ARGUMENTS OR NOT EMBED_FILES)
    message(FATAL_ERROR "usage: ondivar_embed_files(<target> <prefix> FILES <file>...)")
  endif()
  set(outputDir "${CMAKE_CURRENT_BINARY_DIR}/embedded")
  set(symbols "")
  foreach(file IN LISTS EMBED_FILES)
    get_filename_component(input "${file}" ABSOLUTE)
    get_filename_component(base "${input}" NAME)
    string(MAKE_C_IDENTIFIER "${prefix}_${base}" symbol)
    if(symbol IN_LIST symbols)
      message(FATAL_ERROR "ondivar_embed_files: ${file} gives the name ${symbol} a second time")
    endif()
    list(APPEND symbols "${symbol}")
    set(output "${outputDir}/${symbol}.cpp")
    add_custom_command(
      OUTPUT "${output}"
      COMMAND "${CMAKE_COMMAND}" -DINPUT=${input} -DOUTPUT=${output} -DSYMBOL=${symbol}
        -P "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
      DEPENDS "${input}" "${CMAKE_CURRENT_FUNCTION_LIST_FILE}"
      COMMENT "Embedding ${file} as ${symbol}"
      VERBATIM)
    target_sources(${target} PRIVATE "${output}")
  endforeach()
endfunction()
