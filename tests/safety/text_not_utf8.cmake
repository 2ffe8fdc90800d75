# Texts that are not UTF-8, control bytes and a byte-order mark in a script.
include(${CMAKE_CURRENT_LIST_DIR}/drawhost_run.cmake)
# \351 is "é" in Windows-1252; \000 a NUL byte in the middle of a line.
sh("printf 'layer A\\nlayer \"Calque \\351t\\351\"\\n' > latin1.txt")
drawhost_run(latin1.txt --plugins ${PLUGINS} --svg out.svg --dump out.json --prefs prefs.txt)
expect_rc(2 "a title in Windows-1252")
expect_text("latin1.txt:2: 'Calque \\xE9t\\xE9' is not UTF-8 text" "a title in Windows-1252")
expect_missing(out.svg "a title in Windows-1252")
expect_missing(out.json "a title in Windows-1252")

sh("printf 'layer \"a\\000b\" locked\\n' > nul.txt")
drawhost_run(nul.txt --plugins ${PLUGINS} --prefs prefs.txt)
expect_rc(2 "a NUL byte")
expect_text("nul.txt:1: 'a\\x00b' holds a control character" "a NUL byte")

# Saved as "UTF-8 with BOM": the mark before the first command is skipped.
sh("printf '\\357\\273\\277layer \"Été\"\\npath 0 0 5 5\\n' > bom.txt")
drawhost_run(bom.txt --plugins ${PLUGINS} --svg bom.svg --prefs prefs.txt)
expect_rc(0 "a byte-order mark")
file(READ ${WORK}/bom.svg svg)
string(FIND "${svg}" "data-name=\"Été\"" at)
if(at EQUAL -1)
  message(FATAL_ERROR "the layer title did not reach the SVG:\n${svg}")
endif()
