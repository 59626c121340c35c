# Without pw.txt or readme.txt the program says which file it could not read and stays in the
# start window. The gate asks for the identity before it reads the file.
answer "Secret Word"
click Fst.Command3
messages
windows

click Fst.Command5
messages
windows
