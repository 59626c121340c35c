# Transformations (2) as it opens, and its spinners: k, a, b and c are not in letter order.
select Fst.List1 2
click Fst.Command1
text Fc
rows Fc.List1
value Fc.List1
rows Fc.List2
value Fc.List2
text Fc.Text5
text Fc.Text3
text Fc.Text2
text Fc.Text4
value Fc.VScroll2
value Fc.VScroll3
value Fc.VScroll4
value Fc.VScroll5
text Fc.Text1
value Fc.VScroll1
value Fc.Check1
text Fc.Label1
text Fc.Label2
text Fc.Label3
text Fc.Label5
text Fc.Label4
text Fc.Label6
text Fc.Label7
geometry Fc.Picture1
geometry Fc.Text1
canvas Fc
echo "each spinner writes minus its position into its own box"
scroll Fc.VScroll5 -1
scroll Fc.VScroll3 -2
scroll Fc.VScroll2 3
scroll Fc.VScroll4 -5
text Fc.Text5
text Fc.Text3
text Fc.Text2
text Fc.Text4
echo "typing does not move a spinner; its next move overwrites what was typed"
type Fc.Text3 0.5
value Fc.VScroll3
scroll Fc.VScroll3 5
text Fc.Text3
echo "the scale spinner: 10 minus its position; it clears the canvas"
click Fc.Command1
canvas Fc
scroll Fc.VScroll1 7
text Fc.Text1
canvas Fc
