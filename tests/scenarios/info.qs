# "&Info" shows readme.txt (three lines ending in CR LF, in Windows-1252) in the information
# window, every line followed by CR LF.
click Fst.Command5
windows
text Help
text Help.Text1
text Help.Command1
geometry Help.Text1
geometry Help.Command1

# A second "&Info" replaces the text by the file's, whatever was in the box.
type Help.Text1 "typed over"
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
