# Functions of the third degree as it opens, its sliders and its option buttons.
select Fst.List1 6
click Fst.Command1
windows
text Fa
text Fa.Label6
rows Fa.List1
value Fa.List1
text Fa.Label1
text Fa.Check1
value Fa.Check1
text Fa.Text1
value Fa.VScroll1
text Fa.Label2
text Fa.Text2
value Fa.VScroll2
text Fa.Label3
text Fa.Text3
text Fa.Label4
text Fa.Text4
text Fa.Label5
text Fa.Text5
value Fa.VScroll5
text Fa.Label7
text Fa.Text6
text Fa.Label8
text Fa.Text7
text Fa.Label9
text Fa.Text8
text Fa.Option1
value Fa.Option1
text Fa.Option2
value Fa.Option2
text Fa.Frame6
text Fa.Text11
text Fa.Frame7
text Fa.Text9
text Fa.Frame8
text Fa.Text10
text Fa.Command1
text Fa.Command2
geometry Fa.Picture1
canvas Fa
echo "a coefficient slider at the top, at the bottom, one step up"
scroll Fa.VScroll2 -5
text Fa.Text2
scroll Fa.VScroll3 5
text Fa.Text3
scroll Fa.VScroll4 -1
text Fa.Text4
echo "typing does not move the slider"
type Fa.Text5 4
value Fa.VScroll5
echo "the scale slider at the bottom and at the top"
scroll Fa.VScroll1 9
text Fa.Text1
scroll Fa.VScroll1 1
text Fa.Text1
echo "the option buttons exclude each other and draw nothing"
click Fa.Option2
value Fa.Option1
value Fa.Option2
canvas Fa
click Fa.Option1
value Fa.Option1
value Fa.Option2
canvas Fa
text Fa.Text6
echo "End shows the start window"
click Fa.Command2
windows
