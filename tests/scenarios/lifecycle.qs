# A module window is created once: hiding it with "&End" and selecting it again shows it as the
# user left it.
click Fst.Command1
windows
text Fd.Text1
text Fd.Text2
type Fd.Text1 5
type Fd.Text2 "2.5"
click Fd.Command3
windows
click Fst.Command1
windows
text Fd.Text1
text Fd.Text2

# The close control of a module window acts as its "&End"; the window keeps its state.
close Fd
windows
click Fst.Command1
text Fd.Text1
click Fd.Command3

# "&Task" hides the start window; the module's "&End" brings it back.
select Fst.List1 "Lines en circles"
click Fst.Command4
windows
text Fh
click Fh.Command3
windows
value Fst.List1

# The close control of the start window ends the program like its "&End".
close Fst
echo not reached
