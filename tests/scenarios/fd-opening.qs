# The quadratic function as it opens, and its sliders.
click Fst.Command1
text Fd
rows Fd.List1
value Fd.List1
text Fd.Text1
text Fd.Text2
text Fd.Text3
text Fd.Text4
text Fd.Text5
text Fd.Text6
value Fd.Check1
value Fd.VScroll1
value Fd.VScroll2
value Fd.VScroll6
text Fd.Frame3
text Fd.Text7
geometry Fd.Picture1
geometry Fd.Text7
canvas Fd
echo "a slider: one step up, another, then one step down from the start"
scroll Fd.VScroll2 -1
text Fd.Text2
scroll Fd.VScroll2 -2
text Fd.Text2
scroll Fd.VScroll2 1
text Fd.Text2
echo "typing does not move the slider"
type Fd.Text3 4
value Fd.VScroll3
echo "the scale slider at the top, at the bottom; it clears the canvas"
click Fd.Command1
canvas Fd
scroll Fd.VScroll1 1
text Fd.Text1
canvas Fd
scroll Fd.VScroll1 15
text Fd.Text1
