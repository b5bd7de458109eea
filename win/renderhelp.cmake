# Renders the help page's Markdown as one HTML page with cmark-gfm: cmake -DCMARK=... -DINPUT=...
# -DOUTPUT=... -DTITLE=... -P renderhelp.cmake
execute_process(COMMAND ${CMARK} --to html --extension table ${INPUT} OUTPUT_VARIABLE body RESULT_VARIABLE failed)
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
