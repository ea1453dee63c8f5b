# The help document has the anchor of every link inside it, of its contents
# and of every help context the program opens it at: a missing one would
# leave the reader at the top of the document without a word.
#   cmake -DHELP=<TavrinQuillet.html> -DCONTEXTS=<shell_open.h> -P help_anchors_test.cmake
cmake_minimum_required(VERSION 3.20)
file(READ ${HELP} html)
string(REGEX MATCHALL "id=\"[^\"]+\"" ids "${html}")
string(REGEX MATCHALL "href=\"#[^\"]+\"" links "${html}")
file(READ ${CONTEXTS} header)
string(REGEX MATCHALL "HelpContext = [0-9]+" contexts "${header}")
if(NOT contexts)
  message(FATAL_ERROR "no help contexts found in ${CONTEXTS}")
endif()

set(wanted contents)
foreach(context ${contexts})
  string(REGEX REPLACE ".* = " "context-" anchor "${context}")
  list(APPEND wanted ${anchor})
endforeach()
foreach(link ${links})
  string(REGEX REPLACE "href=\"#(.*)\"" "\\1" anchor "${link}")
  list(APPEND wanted ${anchor})
endforeach()
foreach(anchor ${wanted})
  if(NOT "id=\"${anchor}\"" IN_LIST ids)
    message(FATAL_ERROR "the help document has no anchor \"${anchor}\"")
  endif()
endforeach()
