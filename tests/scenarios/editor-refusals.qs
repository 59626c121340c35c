# Saves that would lose or scatter the teacher's work are refused with a message; nothing is
# written, and the texts stay in their boxes.
answer teacher
click Fst.Command3
type editor.Opgave "Solve x² = 4."
type editor.Hint "Take the root."
type editor.Besluit "x = 2 or x = -2"

# A name with a path separator.
answer "sub/roots"
click editor.Command2
answer "..\\roots"
click editor.Command2
messages
file "sub"

# A line of "$" alone would split its text on reading.
type editor.Hint "Take the root:\r\n$\r\nboth signs."
answer "kept"
click editor.Command2
messages
file "KEPT.OP 1"
text editor.Hint

# A line that only starts with "$" is text like any other.
type editor.Hint "$ 5 for the root"
answer "dollar"
click editor.Command2
messages
file "DOLLAR.OP 1"

# Characters that Windows-1252 has no byte for.
type editor.Besluit "x = √4 or x = −√4"
answer "kept"
click editor.Command2
messages
file "KEPT.OP 1"
text editor.Besluit

# A character beyond the basic plane, two code units, is named as one character.
type editor.Besluit "x = 2 😀"
answer "kept"
click editor.Command2
messages

# A file that cannot be written: a directory stands in its place, or the name is too long.
type editor.Besluit "x = 2 or x = -2"
answer "blocked"
click editor.Command2
answer "xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx"
click editor.Command2
messages
rows editor.File1
text editor.Opgave
