# The teacher's way: "&Editor" past the identity gate, with "Transformations (2)" chosen, shows Fc
# beside the task window in teacher mode: "&Save" instead of "&Hint" and "&Conclus".
select Fst.List1 2
answer teacher
click Fst.Command3
prompts
windows
visible editor.Command2
visible editor.Command4
visible editor.Command5
value editor.List1
rows editor.File1

# A one-character task, hint and conclusion make the 23-byte file. The name prompt carries the
# module's title, and the name is saved in capitals. Saving keeps the texts.
type editor.Opgave "T"
type editor.Hint "H"
type editor.Besluit "C"
answer "t"
click editor.Command2
prompts
messages
file "T.OP 3"
rows editor.File1
text editor.Opgave

# A two-line task and an empty hint are written as they stand.
type editor.Opgave "Draw y = 2x²\r\nand y = x² + 1."
type editor.Hint ""
type editor.Besluit "They meet at x = 1\r\nand x = -1."
answer "Parabolas"
click editor.Command2
file "PARABOLAS.OP 3"

# Switching away and back empties the boxes; "&Open" then fills all three as they were written.
select editor.List1 0
select editor.List1 2
text editor.Opgave
select editor.File1 "PARABOLAS.OP 3"
click editor.Command1
text editor.Opgave
text editor.Hint
text editor.Besluit

# After an edit, saving under a name that is taken asks first and names the file, which the name
# in capitals makes: "parabolas" meets "PARABOLAS.OP 3". No writes nothing; Yes replaces it.
type editor.Hint "Set the prescriptions equal."
answer "parabolas"
answer No
click editor.Command2
messages
file "PARABOLAS.OP 3"
answer "parabolas"
answer Yes
click editor.Command2
messages
file "PARABOLAS.OP 3"
rows editor.File1

# Cancel at the name prompt saves nothing; an empty name given with OK saves ".OP 3".
cancel
click editor.Command2
file ".OP 3"
answer ""
click editor.Command2
file ".OP 3"
rows editor.File1

# The same name for another module is another file.
select editor.List1 5
windows
type editor.Opgave "x"
answer "parabolas"
click editor.Command2
prompts
file "PARABOLAS.OP 6"
rows editor.File1

# A file of four sections, written before a line of "$" alone was refused: the fourth section
# joins the task in the teacher's "&Open".
select editor.List1 2
select editor.File1 "OLD.OP 3"
click editor.Command1
text editor.Opgave
text editor.Hint
text editor.Besluit
messages
