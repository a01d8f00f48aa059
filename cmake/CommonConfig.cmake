# One INTERFACE target carries the language level, warnings and sanitizer flags
# for every target of the project.
set(CMAKE_EXPORT_COMPILE_COMMANDS ON)
set(CMAKE_CXX_EXTENSIONS OFF)
if(NOT CMAKE_BUILD_TYPE AND NOT CMAKE_CONFIGURATION_TYPES)
  set(CMAKE_BUILD_TYPE RelWithDebInfo CACHE STRING "" FORCE)
endif()

find_program(CCACHE_PROGRAM ccache)
if(CCACHE_PROGRAM)
  set(CMAKE_CXX_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

add_library(corvanta_options INTERFACE)
target_compile_features(corvanta_options INTERFACE cxx_std_20)
target_compile_options(corvanta_options INTERFACE -Wall -Wextra -Wpedantic -Wno-missing-field-initializers
                       -Wold-style-cast -Wnon-virtual-dtor)
# Qt targets: no implicit conversions from or to char strings, no keywords as macros.
set(KVX_QT_DEFINES QT_NO_CAST_FROM_BYTEARRAY QT_NO_URL_CAST_FROM_STRING QT_NO_KEYWORDS
    QT_NO_NARROWING_CONVERSIONS_IN_CONNECT QT_NO_FOREACH)
target_include_directories(corvanta_options INTERFACE ${PROJECT_SOURCE_DIR})
if(KVX_WERROR)
  target_compile_options(corvanta_options INTERFACE -Werror)
  # GCC 12 at -O2 warns that assigning a short literal to a std::string may overlap itself
  # (a false positive inside libstdc++, fixed in GCC 13): keep it a warning.
  if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    target_compile_options(corvanta_options INTERFACE -Wno-error=restrict)
  endif()
endif()
if(KVX_SANITIZE)
  target_compile_options(corvanta_options INTERFACE -fsanitize=address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
  target_link_options(corvanta_options INTERFACE -fsanitize=address,undefined)
endif()
if(KVX_FUZZ)
  target_compile_options(corvanta_options INTERFACE -fsanitize=fuzzer-no-link,address,undefined)
  target_link_options(corvanta_options INTERFACE -fsanitize=address,undefined)
endif()
