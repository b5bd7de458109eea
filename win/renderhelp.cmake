# Renders the help page's Markdown, its Windows parts only, as one HTML page with cmark-gfm:
# cmake -DCMARK=... -DINPUT=... -DOUTPUT=... -DTITLE=... -P renderhelp.cmake
include(${CMAKE_CURRENT_LIST_DIR}/../cmake/platformparts.cmake)
file(READ ${INPUT} page)
sequate_platform_parts("${page}" windows page)
file(WRITE ${OUTPUT}.md "${page}")
execute_process(COMMAND ${CMARK} --to html --extension table ${OUTPUT}.md OUTPUT_VARIABLE body RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "cmark could not render ${INPUT}")
endif()
file(WRITE ${OUTPUT} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>${TITLE}</title>
<style>body { font-family: Segoe UI, sans-serif; max-width: 50em; margin: 1em auto; padding: 0 1em; }
img { max-width: 100%; } code { font-family: Consolas, monospace; }</style>
</head>
<body>
${body}</body>
</html>
")
