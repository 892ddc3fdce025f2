# Copies a script of the page, SOURCE, to TARGET led by the comment that asks the browser to
# compile all of its functions while it loads the file, off the page's main thread, rather
# than each one there when it is first called. The widget's module is the page's largest
# script, and nearly all of it runs as the terminal opens.
# Usage: cmake -DSOURCE=... -DTARGET=... -P compile-hint.cmake
file(READ ${SOURCE} text)
file(WRITE ${TARGET} "//# allFunctionsCalledOnLoad\n${text}")
