# The start window's "&End" ends the program at once, but not before the teacher has been asked
# about edited texts left in the task window: No keeps the program running, Yes ends it.
answer teacher
click Fst.Command3
type editor.Besluit "Not saved"
click Fd.Command3
answer No
click Fst.Command2
messages
windows
answer Yes
click Fst.Command2
echo not reached
