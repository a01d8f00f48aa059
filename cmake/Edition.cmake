# The edition the program folder is built for: one folder under data/editions/ holds
# everything that differs between editions (the book, the state facts, the consulting
# scripts, the help text, the topic index's rows and what the program says of itself).
# The program's code holds no edition's text; what it compiles in comes from here.
set(KVX_EDITION 2026 CACHE STRING "The edition to build (a folder of data/editions/)")
set(KVX_EDITION_DIR ${PROJECT_SOURCE_DIR}/data/editions/${KVX_EDITION})
if(NOT EXISTS ${KVX_EDITION_DIR}/edition.txt)
  message(FATAL_ERROR "There is no edition ${KVX_EDITION}: ${KVX_EDITION_DIR}/edition.txt is missing")
endif()
message(STATUS "Building the ${KVX_EDITION} edition")

set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${KVX_EDITION_DIR}/edition.txt)
file(STRINGS ${KVX_EDITION_DIR}/edition.txt kvx_edition_lines ENCODING UTF-8)
set(KVX_EDITION_VERSION "")
set(KVX_EDITION_TAX_YEAR "")
set(kvx_about "")
foreach(line IN LISTS kvx_edition_lines)
  if(line MATCHES "^version: (.*)$")
    set(KVX_EDITION_VERSION "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^tax year: ([0-9]+)$")
    set(KVX_EDITION_TAX_YEAR "${CMAKE_MATCH_1}")
  elseif(line MATCHES "^about: (.*)$")
    string(APPEND kvx_about "R\"kvxabout(${CMAKE_MATCH_1})kvxabout\", ")
  endif()
endforeach()
if(KVX_EDITION_VERSION STREQUAL "" OR KVX_EDITION_TAX_YEAR STREQUAL "" OR kvx_about STREQUAL "")
  message(FATAL_ERROR "${KVX_EDITION_DIR}/edition.txt needs a version, a tax year and about lines")
endif()

# Compiled into the program as one generated include: see core/Edition.cpp.
set(KVX_GENERATED_DIR ${CMAKE_BINARY_DIR}/generated)

# Writes the include file name of KVX_GENERATED_DIR (on the include path of the program's
# logic), touching it only when its content changes, so that only then is what includes it
# compiled again.
function(kvx_generated_include name content)
  file(WRITE ${KVX_GENERATED_DIR}/${name}.tmp "${content}")
  configure_file(${KVX_GENERATED_DIR}/${name}.tmp ${KVX_GENERATED_DIR}/${name} COPYONLY)
endfunction()

kvx_generated_include(Edition.inc
  "// Generated from ${KVX_EDITION_DIR}/edition.txt\n#define KVX_EDITION_VERSION R\"kvxv(${KVX_EDITION_VERSION})kvxv\"\n#define KVX_EDITION_TAX_YEAR ${KVX_EDITION_TAX_YEAR}\n#define KVX_EDITION_ABOUT ${kvx_about}\n")
