# Transformations (1) as it opens, and its spinners.
select Fst.List1 1
click Fst.Command1
text Fb
rows Fb.List1
value Fb.List1
rows Fb.List2
value Fb.List2
text Fb.Text5
value Fb.VScroll5
text Fb.Text1
value Fb.VScroll1
value Fb.Check1
text Fb.Label3
text Fb.Label4
text Fb.Prt
geometry Fb.Picture1
geometry Fb.Frame2
canvas Fb
echo "the k spinner writes minus its position: one step up, one down, to the top and the bottom"
scroll Fb.VScroll5 -1
text Fb.Text5
scroll Fb.VScroll5 1
text Fb.Text5
scroll Fb.VScroll5 -5
text Fb.Text5
scroll Fb.VScroll5 5
text Fb.Text5
echo "typing does not move the spinner; its next move overwrites what was typed"
type Fb.Text5 2.5
value Fb.VScroll5
scroll Fb.VScroll5 4
text Fb.Text5
echo "the scale spinner: 10 minus its position, at the top and the bottom; it clears the canvas"
click Fb.Command1
canvas Fb
scroll Fb.VScroll1 9
text Fb.Text1
canvas Fb
scroll Fb.VScroll1 1
text Fb.Text1
