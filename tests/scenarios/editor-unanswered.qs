# A question box with no answer queued fails the script at its line, as an input box does.
answer teacher
click Fst.Command3
type editor.Opgave "Unsaved"
click editor.Command3
text editor.Opgave
