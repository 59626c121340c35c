# With no row selected, "&Select" and "&Task" open nothing.
key Fst.List1 Down Ctrl+Space
value Fst.List1
click Fst.Command1
click Fst.Command4
windows
key Fst.List1 Space
click Fst.Command1
windows
