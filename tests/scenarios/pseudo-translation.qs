# Options: --pseudo-translation
# Every text that a window shows goes through the translation: under a translation that marks
# each text with ‹ and ›, no window lists an unmarked text, with its graph drawn and its results
# shown, and the messages come out marked too.
untranslated Fst
click Fst.Command5
untranslated Help
click Help.Command1

select Fst.List1 0
click Fst.Command4
untranslated editor
select editor.File1 "ROOTS.OP 1"
click editor.Command4
click editor.Command5
untranslated editor
click editor.Command1
select editor.File1 "ROOTS.OP 1"
click editor.Command1
click editor.Command3
answer teacher
click Fst.Command3
untranslated editor
click editor.Command1
type editor.Opgave "A task"
answer "new"
click editor.Command2
prompts
click editor.Command3

click Fst.Command1
type Fd.Text2 1
type Fd.Text3 -1
type Fd.Text4 -2
check Fd.Check1 1
click Fd.Command1
click Fd.Command5
untranslated Fd
type Fd.Text5 1e400
click Fd.Command4
click Fd.Command3

select Fst.List1 1
click Fst.Command1
click Fb.Command1
untranslated Fb
click Fb.Command3

select Fst.List1 2
click Fst.Command1
click Fc.Command1
untranslated Fc
click Fc.Command3

select Fst.List1 3
click Fst.Command1
click Fg.Command1
untranslated Fg
click Fg.Command3

select Fst.List1 4
click Fst.Command1
click Fh.Command1
untranslated Fh
click Fh.Command3

select Fst.List1 5
click Fst.Command1
click Fe.Command1
untranslated Fe
click Fe.Command3

select Fst.List1 6
click Fst.Command1
type Fa.Text2 1
click Fa.Command1
untranslated Fa
click Fa.Command2

select Fst.List1 7
click Fst.Command1
click Ff.Command1
untranslated Ff
click Ff.Command1
messages
