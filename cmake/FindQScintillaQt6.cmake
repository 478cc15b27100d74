# Finds Debian's QScintilla build for Qt 6 (libqscintilla2-qt6-dev), which ships no CMake package.
find_path(QScintillaQt6_INCLUDE_DIR Qsci/qsciscintilla.h
  PATH_SUFFIXES qt6 x86_64-linux-gnu/qt6 aarch64-linux-gnu/qt6)
find_library(QScintillaQt6_LIBRARY NAMES qscintilla2_qt6)
include(FindPackageHandleStandardArgs)
find_package_handle_standard_args(QScintillaQt6 DEFAULT_MSG QScintillaQt6_LIBRARY QScintillaQt6_INCLUDE_DIR)
if(QScintillaQt6_FOUND AND NOT TARGET QScintilla::QScintilla)
  add_library(QScintilla::QScintilla UNKNOWN IMPORTED)
  set_target_properties(QScintilla::QScintilla PROPERTIES
    IMPORTED_LOCATION "${QScintillaQt6_LIBRARY}"
    INTERFACE_INCLUDE_DIRECTORIES "${QScintillaQt6_INCLUDE_DIR}"
    INTERFACE_LINK_LIBRARIES "Qt6::Widgets;Qt6::PrintSupport")
endif()
