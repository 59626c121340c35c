# The identity gate in front of the editor: pw.txt has two lines ending in CR LF, and only its
# last line, exactly as written, opens the module. Every refusal leaves the start window as it is.
# The identity is asked without showing what is typed, which only the real dialog can show.
answer "first line"
click Fst.Command3
messages
windows

answer "secret word"
click Fst.Command3
messages

answer "Secret Word "
click Fst.Command3
messages

# An empty identity, given with OK or by Cancel, never opens the editor.
answer ""
click Fst.Command3
cancel
click Fst.Command3
messages
windows

select Fst.List1 6
answer "Secret Word"
click Fst.Command3
messages
windows
text Fa

# Back in the start window the gate asks again.
click Fa.Command2
windows
answer "first line"
click Fst.Command3
messages
windows
