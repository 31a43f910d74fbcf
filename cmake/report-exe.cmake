# Prints the size of a built program and the DLLs it imports.
file(SIZE ${EXE} size)
math(EXPR kb "(${size} + 1023) / 1024")
execute_process(COMMAND ${OBJDUMP} -p ${EXE} OUTPUT_VARIABLE dump)
string(REGEX MATCHALL "DLL Name: [^\n]+" dlls "${dump}")
string(REPLACE "DLL Name: " "" dlls "${dlls}")
get_filename_component(name ${EXE} NAME)
message(STATUS "${name}: ${size} bytes (${kb} KB); imports: ${dlls}")
