# The pupil's way to a task: "&Task" with "Transformations (1)" shows Fb beside the task window in
# pupil mode. Its list stands on the same module, and its file list holds that module's task files
# only, hidden and lower-case names included.
select Fst.List1 1
click Fst.Command4
windows
text editor
value editor.List1
visible editor.Command1
visible editor.Command2
visible editor.Command3
visible editor.Command4
visible editor.Command5
rows editor.File1

# Nothing happens without a selected file but the message.
click editor.Command1
click editor.Command4
click editor.Command5
messages

# "&Open" fills the Task box alone; "&Hint" and "&Conclus" reveal the rest. The hint pressed
# twice shows once. Line breaks in the file come back as line breaks.
select editor.File1 "ROOTS.OP 2"
click editor.Command1
text editor.Opgave
text editor.Hint
text editor.Besluit
click editor.Command4
click editor.Command4
text editor.Hint
text editor.Opgave
click editor.Command5
text editor.Besluit

# Opening again empties what was revealed.
click editor.Command1
text editor.Hint
text editor.Besluit

# A file written by hand: LF line ends, no empty lines around "$", no final line end.
select editor.File1 "area.op 2"
click editor.Command1
click editor.Command4
click editor.Command5
text editor.Opgave
text editor.Hint
text editor.Besluit

# The hidden file of an empty name, in Windows-1252, with an empty hint.
select editor.File1 ".OP 2"
click editor.Command1
click editor.Command4
click editor.Command5
text editor.Opgave
text editor.Hint
text editor.Besluit
messages

# A pupil's own notes are never asked about. Choosing "Lines and parabolas" hides Fb, shows Fg,
# empties the boxes and lists the files of module 4: none here.
type editor.Opgave "my notes"
select editor.List1 3
messages
windows
text editor.Opgave
rows editor.File1

# "&End" empties the boxes, leaves the module window open and brings back the start window.
type editor.Hint "more notes"
click editor.Command3
messages
windows
text editor.Hint
