# The hex editor window needs the widgets.
target_link_libraries(hexwindow_bench PRIVATE varnik_ui)
