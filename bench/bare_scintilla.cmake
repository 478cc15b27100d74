# The bare QScintilla editor that the program's open time is compared with.
target_link_libraries(bare_scintilla_bench PRIVATE Qt6::Widgets QScintilla::QScintilla)
