# A pw.txt that holds only empty lines keeps no identity: nothing opens the editor, not even an
# empty identity.
answer ""
click Fst.Command3
cancel
click Fst.Command3
messages
windows
