# The warnings of the kit's own targets, in one list. Link `kit_warnings`
# privately to take them. Presets that must stay clean turn them into errors
# with CMAKE_COMPILE_WARNING_AS_ERROR.
add_library(kit_warnings INTERFACE)
target_compile_options(kit_warnings INTERFACE
  -Wall         # the usual set
  -Wextra       # and the rest of the common ones
  -Wpedantic    # no compiler extensions
  -Wconversion  # no silent narrowing between number types
  -Wshadow      # no name that hides another
)
