# The gate asks for the identity; with no answer queued the script fails at that line.
click Fst.Command3
