# Locale: nl_NL.UTF-8
# Under a Dutch locale the program speaks Dutch: window titles, captions, list rows, results,
# messages and the Dutch readme. In each window no two controls share a mnemonic key, except
# where they share it in the program's own texts too: "&End" and "&Editor" in the start window.
text Fst
text Fst.Command1
rows Fst.List1
mnemonics Fst
click Fst.Command5
text Help.Text1
mnemonics Help
click Help.Command1

select Fst.List1 0
click Fst.Command4
mnemonics editor
click editor.Command1
messages
click editor.Command3
answer teacher
click Fst.Command3
mnemonics editor
click editor.Command3

click Fst.Command1
text Fd
mnemonics Fd
type Fd.Text5 1e400
click Fd.Command4
messages
click Fd.Command3

select Fst.List1 1
click Fst.Command1
mnemonics Fb
click Fb.Command3

select Fst.List1 2
click Fst.Command1
mnemonics Fc
click Fc.Command3

select Fst.List1 3
click Fst.Command1
mnemonics Fg
type Fg.Text5 1
type Fg.Text6 -1
type Fg.Text7 -1
click Fg.Command4
select Fg.List1 1
type Fg.Text2 1
type Fg.Text4 -3
click Fg.Command5
click Fg.Command6
text Fg.Label4
text Fg.Text8
click Fg.Command3

select Fst.List1 4
click Fst.Command1
mnemonics Fh
click Fh.Command3

select Fst.List1 5
click Fst.Command1
mnemonics Fe
click Fe.Command3

select Fst.List1 6
click Fst.Command1
mnemonics Fa
type Fa.Text2 1
type Fa.Text4 -1
click Fa.Command1
text Fa.Text6
click Fa.Command2

select Fst.List1 7
click Fst.Command1
mnemonics Ff
click Ff.Command1
accessible Ff.Picture1
click Ff.Command1
messages
