# pw.txt ends with an empty line, as an editor writes it when Enter is pressed once more: the
# identity is the last line that is not empty. An empty identity, given with OK or by Cancel,
# opens nothing.
answer ""
click Fst.Command3
cancel
click Fst.Command3
messages
windows

answer teacher
click Fst.Command3
messages
windows
