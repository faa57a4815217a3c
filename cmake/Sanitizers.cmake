# Checked builds, each in a build directory of its own:
#
#   QUILLCALC_SANITIZE  AddressSanitizer (with leak checking) and
#                       UndefinedBehaviorSanitizer on all of quillcalc's own
#                       code; any report ends the program with an error.
#                       cmake --preset sanitize, or script/sanitize.
#   QUILLCALC_FUZZ      the libFuzzer targets fuzz_calc, fuzz_necresults
#                       and fuzz_touchstone (clang only), with both
#                       sanitizers. script/fuzz.
#
# Qt itself is not instrumented: the sanitizers see what quillcalc does with
# it, not Qt's insides.

option(QUILLCALC_SANITIZE "Build with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)
option(QUILLCALC_FUZZ "Build the libFuzzer targets in fuzz/ (needs clang)" OFF)

set(_quill_sanitizers -fsanitize=address,undefined -fno-sanitize-recover=all -fno-omit-frame-pointer)

if(QUILLCALC_SANITIZE)
  add_compile_options(${_quill_sanitizers})
  add_link_options(${_quill_sanitizers})
endif()

if(QUILLCALC_FUZZ)
  if(NOT CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    message(FATAL_ERROR "QUILLCALC_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
  endif()
  if(NOT QUILLCALC_SANITIZE)
    add_compile_options(${_quill_sanitizers})
    add_link_options(${_quill_sanitizers})
  endif()
  # Coverage feedback for every target; only the fuzz_* targets link
  # libFuzzer's main.
  add_compile_options(-fsanitize=fuzzer-no-link)
  add_subdirectory(${PROJECT_SOURCE_DIR}/fuzz ${CMAKE_BINARY_DIR}/fuzz)
endif()
