# Unsaved teacher texts are not thrown away without a question: a module switch, "&Open", "&End",
# and the start window's ways out and into the task window ask first. No leaves everything as it
# was, the list selection included; Yes goes on.
answer teacher
click Fst.Command3
windows

# Texts that the window filled itself are not edits: a switch after "&Open" asks nothing.
select editor.File1 "SAVED.OP 1"
click editor.Command1
select editor.List1 1
messages
windows
select editor.List1 0

# An edit, then a switch: No keeps the module, the list selection, the texts and the file list.
type editor.Besluit "A conclusion in the making"
answer No
select editor.List1 3
messages
windows
value editor.List1
text editor.Besluit
rows editor.File1

# Yes switches: Fd hides, Fg shows, the texts are emptied, and the next switch asks nothing.
answer Yes
select editor.List1 3
messages
windows
text editor.Besluit
select editor.List1 0
messages

# Saving makes the texts safe.
type editor.Opgave "Saved task"
answer "saved"
answer Yes
click editor.Command2
select editor.List1 1
messages
windows
select editor.List1 0

# "&End": No keeps the window and its texts; Yes empties them, hides the window and brings back
# the start window beside the module window. Cancel counts as No.
type editor.Hint "Unsaved hint"
answer No
click editor.Command3
cancel
click editor.Command3
messages
windows
text editor.Hint
answer Yes
click editor.Command3
messages
windows
text editor.Hint

# The window system's close control acts as "&End".
answer teacher
click Fst.Command3
type editor.Hint "Unsaved hint"
answer No
close editor
messages
windows
answer Yes
close editor
messages
windows

# Pupil mode never asks: edits made there are the pupil's own notes. Opening the teacher's mode
# over them (the module window's "&End" leaves the task window open) asks nothing either.
click Fst.Command4
type editor.Opgave "pupil notes"
select editor.List1 2
messages
select editor.List1 0
type editor.Opgave "pupil notes"
click Fd.Command3
windows
answer teacher
click Fst.Command3
messages
windows
text editor.Opgave

# "&Open" over edited texts: No keeps them, Yes reads the file.
type editor.Opgave "Edited before opening"
select editor.File1 "SAVED.OP 1"
answer No
click editor.Command1
messages
text editor.Opgave
answer Yes
click editor.Command1
messages
text editor.Opgave

# Texts left in the task window when the module window's "&End" brings back the start window:
# its "&Task", "&Editor", "&End" and close control ask first, and No keeps everything as it was.
type editor.Opgave "Left behind"
click Fd.Command3
windows
answer No
click Fst.Command4
answer teacher
answer No
click Fst.Command3
answer No
click Fst.Command2
answer No
close Fst
messages
windows
text editor.Opgave
visible editor.Command2

# Yes goes on: "&Task" opens the pupil's task window, emptied.
answer Yes
click Fst.Command4
messages
windows
text editor.Opgave
visible editor.Command2
