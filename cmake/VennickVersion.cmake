# The program's version comes from project() alone. This writes it, in the forms the
# sources need, into generated/AppVersion.h under the build folder:
#   VENNICK_VERSION_TEXT   as the program shows it, "1.02.0024" (minor in two digits,
#                          patch in four), also in the package's name;
#   VENNICK_VERSION_MAJOR, _MINOR, _REVISION   the numbers of the version resource.

function(vennick_zero_padded out value width)
  string(LENGTH "${value}" length)
  math(EXPR zeros "${width} - ${length}")
  string(REPEAT 0 ${zeros} padding)
  set(${out} "${padding}${value}" PARENT_SCOPE)
endfunction()

vennick_zero_padded(minor ${PROJECT_VERSION_MINOR} 2)
vennick_zero_padded(patch ${PROJECT_VERSION_PATCH} 4)
set(VENNICK_VERSION_TEXT "${PROJECT_VERSION_MAJOR}.${minor}.${patch}")
set(VENNICK_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/platform/AppVersion.h.in ${VENNICK_GENERATED_DIR}/AppVersion.h @ONLY)
