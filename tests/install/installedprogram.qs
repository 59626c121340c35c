# Run in a folder without readme.txt or pw.txt.
click Fst.Command5
messages
windows
text Help.Text1
answer secret
click Fst.Command3
messages
windows
