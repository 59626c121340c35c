# A pw.txt or readme.txt that is a directory cannot be read: the program names the file and stays
# in the start window, as it does when the file is missing.
answer "teacher"
click Fst.Command3
messages
windows

click Fst.Command5
messages
windows
