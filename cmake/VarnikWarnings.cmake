# Warnings are errors on our own targets; third-party headers come in as system includes.
function(varnik_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
