# What a screen reader hears: names from the labels, sliders as their boxes read, the graph in
# words after each plot and clear.
echo "the start window's list of modules, which no label names"
accessible Fst.List1
select Fst.List1 0
click Fst.Command1
accessible Fd.Frame1
accessible Fd.List1
accessible Fd.Text2
accessible Fd.VScroll2
type Fd.Text2 2.5
accessible Fd.VScroll2
scroll Fd.VScroll2 -3
accessible Fd.VScroll2
value Fd.VScroll2
select Fd.List1 4
type Fd.Text3 -2
type Fd.Text4 -3
type Fd.Text2 1
check Fd.Check1 1
click Fd.Command1
accessible Fd.Picture1
wait 10
click Fd.Command2
accessible Fd.Picture1
click Fd.Command3
select Fst.List1 7
click Fst.Command1
accessible Ff.Text4
accessible Ff.VScroll4
value Ff.VScroll4
random 0.5
click Ff.Command1
accessible Ff.Picture1
# The canvas takes the focus last; its menu waits for a user, so a script cannot open it.
key Ff.Command3 Tab
focus Ff
key Ff Menu
