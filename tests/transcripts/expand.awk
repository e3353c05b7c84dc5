# Reads transcripts and writes either the lines they type (what=typed) or
# the log they expect (what=log), each line ended by LF, with the program
# directory and the version from the environment (TRANSCRIPT_DIR,
# TRANSCRIPT_VERSION: -v would take a backslash as an escape) filled in and
# [T] left for the time prefix. Pages come from pages/ beside the transcript.
# Usage: awk -v what=log -f expand.awk welcome.txt NAME.txt
BEGIN {
  dir = ENVIRON["TRANSCRIPT_DIR"]
  version = ENVIRON["TRANSCRIPT_VERSION"]
}
function fill(text, key, value,    at) {
  while ((at = index(text, key)) > 0) {
    text = substr(text, 1, at - 1) value substr(text, at + length(key))
  }
  return text
}
function expected(line) {
  print fill(fill(line, "{DIR}", dir), "{VERSION}", version)
}
/^#/ { next }
/^\$( |$)/ {
  if (what == "typed") print substr($0, 3)
  next
}
what != "log" { next }
/^(\[T\])?@[a-z]+$/ {
  prefix = substr($0, 1, index($0, "@") - 1)
  page = FILENAME
  sub(/[^\/]*$/, "pages/" substr($0, index($0, "@") + 1) ".txt", page)
  while ((getline text < page) > 0) expected(prefix text)
  close(page)
  next
}
{ expected($0) }
