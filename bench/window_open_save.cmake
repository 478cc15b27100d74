# The main window opening and saving a file, driven from outside the program.
target_link_libraries(window_open_save_bench PRIVATE varnik_ui)
