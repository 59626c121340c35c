# pw.txt ends with an empty line: its last line is empty, so only the empty identity, or a
# cancelled input box, is accepted.
answer teacher
click Fst.Command3
messages
windows

answer ""
click Fst.Command3
messages
windows
click Fd.Command3

cancel
click Fst.Command3
messages
windows
