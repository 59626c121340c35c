# "&Info" shows readme.txt (three lines ending in CR LF, in Windows-1252) in the information
# window, every line followed by CR LF.
click Fst.Command5
windows
text Help
text Help.Text1
text Help.Command1
geometry Help.Text1
geometry Help.Command1

# The text is read-only: keys type nothing into it.
key Help.Text1 X Delete Return
text Help.Text1

# A second "&Info" shows the file's text once, not twice.
click Fst.Command5
text Help.Text1
windows

# "&Shut" hides the window and keeps the text.
click Help.Command1
windows
visible Help
text Help.Text1

# The close control acts as "&Shut".
click Fst.Command5
windows
close Help
windows

# The text can still be selected and copied: pasted into the task's box, it is the file's text.
click Fst.Command5
key Help.Text1 Ctrl+A Ctrl+C
click Fst.Command4
key editor.Opgave Ctrl+V
text editor.Opgave
