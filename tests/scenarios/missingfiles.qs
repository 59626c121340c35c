# Without pw.txt or readme.txt the program says which file it could not read, and where, and stays
# in the start window. Without pw.txt no identity is asked.
click Fst.Command3
messages
prompts
windows

click Fst.Command5
messages
windows
