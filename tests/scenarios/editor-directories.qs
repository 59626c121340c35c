# The directory list shows the way up, the directory itself (current) and its visible
# subdirectories. Entering one, by row, by name or by path, lists its task files.
click Fst.Command4
rows editor.Dir1
value editor.Dir1
rows editor.File1

select editor.Dir1 "sub"
rows editor.Dir1
value editor.Dir1
rows editor.File1

# The file list follows into a subdirectory, and "&Open" reads from there.
select editor.File1 "INSUB.OP 1"
click editor.Command1
text editor.Opgave

select editor.Dir1 "deeper"
rows editor.Dir1
rows editor.File1
select editor.Dir1 ".."
select editor.Dir1 0
rows editor.Dir1
rows editor.File1

# By index, and by a path from the runner's directory.
select editor.Dir1 2
rows editor.File1
select editor.Dir1 "sub/deeper"
rows editor.Dir1
select editor.Dir1 "."
rows editor.Dir1

# A file by path: the directory list enters its directory and the file is selected.
select editor.File1 "sub/INSUB.OP 1"
value editor.File1
rows editor.Dir1
click editor.Command4
text editor.Hint

# The teacher saves into the directory shown.
select editor.Dir1 ".."
click editor.Command3
answer teacher
click Fst.Command3
select editor.Dir1 "Alpha"
type editor.Opgave "Saved in Alpha"
answer "there"
click editor.Command2
messages
rows editor.File1
file "Alpha/THERE.OP 1"
file "THERE.OP 1"
