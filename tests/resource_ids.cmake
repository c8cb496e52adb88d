# Writes the numeric ids of res/resource.h as shell assignments (ID_TRAY_QUIT=32795),
# which tests/e2e/lib.sh sources: the scripts name the commands and controls they drive.
# Run as: cmake -DIN=res/resource.h -DOUT=resource_ids.sh -P resource_ids.cmake
file(STRINGS "${IN}" lines REGEX "^#define[ \t]+[A-Za-z_][A-Za-z0-9_]*[ \t]+[0-9]+[ \t]*$")
set(text "# Made from res/resource.h by tests/resource_ids.cmake at build time.\n")
foreach(line IN LISTS lines)
    string(REGEX REPLACE "^#define[ \t]+([A-Za-z0-9_]+)[ \t]+([0-9]+).*$" "\\1=\\2" assignment "${line}")
    string(APPEND text "${assignment}\n")
endforeach()
file(WRITE "${OUT}.tmp" "${text}")
file(RENAME "${OUT}.tmp" "${OUT}")
