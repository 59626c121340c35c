# Lines and parabolas as it opens: its controls, its sliders, and its canvas at the design size.
select Fst.List1 "Lines and parabolas"
click Fst.Command1
text Fg
rows Fg.List1
value Fg.List1
rows Fg.List2
text Fg.Text1
text Fg.Text2
text Fg.Text3
text Fg.Text4
text Fg.Text5
text Fg.Text6
text Fg.Text7
text Fg.Text8
value Fg.Check1
value Fg.VScroll1
value Fg.VScroll2
value Fg.VScroll5
text Fg.Label1
text Fg.Label4
text Fg.Command4
text Fg.Command6
text Fg.Command5
geometry Fg.Frame1
geometry Fg.Command6
geometry Fg.Frame2
geometry Fg.List2
geometry Fg.Text8
echo "the canvas side at the design size, 9100 by 6730 twips, and after resizes"
geometry Fg.Picture1
canvas Fg
resize Fg 10100 7730
geometry Fg.Picture1
canvas Fg
resize Fg 12000 6730
geometry Fg.Picture1
canvas Fg
resize Fg 9000 6730
geometry Fg.Picture1
canvas Fg
resize Fg 9100 6730
geometry Fg.Picture1
canvas Fg
echo "the coefficient sliders: the box shows minus the position"
scroll Fg.VScroll2 -50
text Fg.Text2
scroll Fg.VScroll2 50
text Fg.Text2
scroll Fg.VScroll5 -20
text Fg.Text5
scroll Fg.VScroll6 3
text Fg.Text6
scroll Fg.VScroll7 -12
text Fg.Text7
echo "typing does not move the slider"
type Fg.Text3 4
value Fg.VScroll3
echo "the scale slider writes the scale and clears the canvas"
click Fg.Command1
canvas Fg
scroll Fg.VScroll1 9
text Fg.Text1
canvas Fg
scroll Fg.VScroll1 5
text Fg.Text1
echo "End hides the window; it comes back as it was left"
click Fg.Command3
windows
click Fst.Command1
text Fg.Text7
