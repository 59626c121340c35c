# The start window as the program opens: its caption, the eight modules with the first one
# selected, its buttons at their places, and no other window.
windows
text Fst
rows Fst.List1
value Fst.List1
geometry Fst.List1
text Fst.Command1
geometry Fst.Command1
text Fst.Command5
geometry Fst.Command5
text Fst.Command4
geometry Fst.Command4
text Fst.Command2
geometry Fst.Command2
text Fst.Command3
geometry Fst.Command3

# A click on the background shows the version box; the start window stays as it was.
click Fst
messages
windows
value Fst.List1

# "&End" ends the program at once: nothing after it runs.
click Fst.Command2
echo not reached
