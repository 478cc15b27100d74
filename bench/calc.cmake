# The formula benchmark compares against muparser (Debian's libmuparser-dev).
find_path(MUPARSER_INCLUDE_DIR muParser.h REQUIRED)
find_library(MUPARSER_LIBRARY muparser REQUIRED)
target_include_directories(calc_bench SYSTEM PRIVATE ${MUPARSER_INCLUDE_DIR})
target_link_libraries(calc_bench PRIVATE ${MUPARSER_LIBRARY})
